#include "app/main_window_win.h"

#include <utility>

#include "app/data_folder_win.h"
#include "win/error_box_win.h"
#include "protocol/messages.h"
#include "app/single_instance_win.h"
#include "app/welcome_note.h"
#include "resources/version.h"
#include "lang/button_texts.h"
#include "lang/language_file_win.h"
#include "pixels/bmp_reader.h"
#include "win/file_io_win.h"
#include "store/picture_packs_win.h"
#include "store/resource_bitmap_win.h"
#include "store/resource_image_pair_win.h"
#include "pixels/picture_scale.h"
#include "store/profile_file_win.h"
#include "store/skin_bitmaps_win.h"
#include "store/shortcut_win.h"
#include "store/data_files_win.h"
#include "store/slot_image.h"
#include "sticker/sticker_title_win.h"
#include "store/local_time_win.h"
#include "store/text_utils.h"
#include "win/display_dpi_win.h"
#include "win/text_convert_win.h"

namespace {
constexpr wchar_t kDatabaseFile[] = L"base.db";
constexpr wchar_t kTaskFile[] = L"plan.db";
constexpr wchar_t kConfigFile[] = L"config.txt";
constexpr wchar_t kBackupFolder[] = L"backup\\";
constexpr LANGID kRussianLanguage = 0x0419;
constexpr wchar_t kTrayHint[] = L"Quillory\r\nv" QUILLORY_VERSION_TEXT;
constexpr wchar_t kApplicationIcon[] = L"MAINICON";
constexpr int kFlagWidth = 25, kFlagHeight = 15;
constexpr const wchar_t* kFlagsPicture = L"BITMAP_FLAGS";

// The flags drawn for a DPI, and how their pictures loaded.
std::pair<UniqueImageList, ResourceLoadStatus> LoadFlagList(int dpi) {
  UniqueImageList list(
      ImageList_Create(ScaleToDpi(kFlagWidth, dpi), ScaleToDpi(kFlagHeight, dpi), ILC_COLOR24 | ILC_MASK, 0, 16));
  const ResourceLoadStatus status = LoadResourceImagePair(kFlagsPicture, list.Get(), dpi);
  return {std::move(list), status};
}

constexpr UINT kOpenNewSticker = WM_APP + 2;
constexpr UINT kStartUpEnded = WM_APP + 3;
constexpr UINT kDataFolderChanged = WM_APP + 4;
constexpr UINT_PTR kSharedRetryTimer = 1;
// A file held by a sync tool, or still arriving, is looked at again after this.
constexpr UINT kSharedRetryDelayMs = 500;
constexpr wchar_t kUnplacedStickers[] = L"base.db.unplaced";
constexpr wchar_t kUnplacedTasks[] = L"plan.db.unplaced";
constexpr Colour kWelcomeColour = 0x80E0FF;
constexpr std::size_t kShortcutNameLength = 64;
}  // namespace

TQuillor::TQuillor(std::int32_t startStickerId)
    : startStickerId_(startStickerId),
      store_(std::make_unique<Tmassiv>()),
      flags_([](int dpi) { return LoadFlagList(dpi).first; }) {}

bool TQuillor::Create() {
  WindowCreateArgs args;
  args.className = kMainWindowClass;
  args.title = L"";  // named once it can serve: later starts and other programs look for the name
  args.style = WS_POPUP;
  args.exStyle = WS_EX_TOOLWINDOW;  // no task-bar button, no Alt+Tab entry; the window is never shown
  args.x = args.y = args.width = args.height = 0;
  if (!CreateWindowFor(args)) return false;

  CreateTray();
  programFolder_ = ProgramFolder();
  dataFolder_ = ChooseDataFolder(programFolder_, DocumentsFolder());
  const bool firstStart = !FolderExists(dataFolder_);
  EnsureFolderExists(dataFolder_);
  const auto fileArgs = [this] {
    return GuardedFileArgs{.backup = DailyBackup(DataFile(kBackupFolder), LocalNow),
                           .reports = {.keptUnread = [this](const std::wstring& kept) { ShowKeptUnread(kept); }}};
  };
  database_ = std::make_unique<StickerDatabaseFile>(
      DataFile(kDatabaseFile), fileArgs(), [this](const StickerMergeReport& report) { OnStickersMerged(report); });
  tasks_ = std::make_unique<TaskFile>(DataFile(kTaskFile), fileArgs(),
                                      [this](const TaskMergeReport& report) { OnTasksMerged(report); });
  store_->ResetTasks(LocalNow());
  taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
  LoadSkinPictures();
  LoadPicturePacks(programFolder_, userIcons_);
  const COLORREF menu = GetSysColor(COLOR_MENU);
  menuGlyphs_ = MenuGlyphs([](int dpi) { return ToPicture24(LoadScaledPicture(L"BITMAPS", dpi).picture); },
                           MakeColour(GetRValue(menu), GetGValue(menu), GetBValue(menu)));
  menu_ = std::make_unique<MainMenu>(mui_, menuGlyphs_, programFolder_, flags_);
  mui_.Hooks().Register([this](const TMUI&) { menu_->Relabel(); });
  dialog_ = std::make_unique<TFormDialog>(mui_, kOkText, kCancelText);
  if (!dialog_->Create()) return false;
  reminders_ = std::make_unique<Reminders>(mui_);
  if (!reminders_->Create()) return false;
  about_ = std::make_unique<TAboutForm>(mui_);
  if (const std::wstring error = about_->Create(); !error.empty()) ShowErrorText(error);
  if (!CreateEditors()) return false;
  tray_->SetHint(kTrayHint);
  tasks_->Read(*store_);
  defaultSticker_ = ReadDefaultSettings(IniFile(DataFile(kDefaultSettingsFile)));
  stickers_ = std::make_unique<StickerOperations>(StickerOperationsArgs{
      store_.get(), ContentSources{&skinBitmaps_, &userIcons_, nullptr, &mui_, &clock_, &frames_}, &mui_, &menuGlyphs_, Handle(),
      [this] { return SaveDatabase(); },
      [this] { RefillManager(); },
      [this] { ReportStoreFull(); },
      [this](std::int32_t id, const StickerRecord& record) { settings_->Open(id, record); },
      [this](std::int32_t id, const StickerRecord& record) { CreateShortcut(id, record); }});
  mui_.Hooks().Register([this](const TMUI&) { stickers_->RelabelAll(); });
  chordix_ = std::make_unique<ChordixLibrary>(programFolder_, Handle());
  ReadConfigurationFile();
  database_->Read(*store_, startStickerId_);
  if (!CreateManager()) return false;
  LoadFlags();
  ShowStickers(firstStart);
  shared_ = std::make_unique<SharedDataFolder>(SharedDataFolderArgs{
      dataFolder_, DataFile(kBackupFolder), database_.get(), tasks_.get(), store_.get(), Handle(), kDataFolderChanged,
      [this](const StickerMergeReport& report) { OnStickersMerged(report); },
      [this](const TaskMergeReport& report) { OnTasksMerged(report); }, [this] { return SaveDatabase(); },
      [this] { return SaveTasks(); }});
  TakeInSharedChanges();
  started_ = true;
  PostMessageW(Handle(), kStartUpEnded, 0, 0);
  return true;
}

bool TQuillor::CreateEditors() {
  const ContentSources art{&skinBitmaps_, &userIcons_, nullptr};
  icons_ = std::make_unique<IconChoices>(art);
  settings_ = std::make_unique<TSettingsForm>(SettingsFormArgs{
      {&mui_, programFolder_, art, icons_.get(), &menuGlyphs_}, DataFile(kConfigFile), dialog_.get(),
      [this](std::int32_t id, const StickerRecord& edited) { stickers_->ApplyStickerSettings(id, edited); }});
  newSticker_ = std::make_unique<TFormStickerMess>(NewStickerFormArgs{
      {&mui_, programFolder_, art, icons_.get(), &menuGlyphs_},
      [this](const TDefaultSettings& defaults) { SaveDefaults(defaults); }});
  return settings_->Create() && newSticker_->Create();
}

// A first start, with a data folder made just now, greets the user with a
// note that says where things are; an ordinary sticker, written at once.
void TQuillor::AddWelcomeSticker() {
  StickerRecord record = NewStickerRecord(kWelcomeColour);
  record.caption.line_text.Assign(AnsiFromWide(WelcomeCaption()));
  SetStickerText(record, AnsiFromWide(WelcomeText(mui_.Kind())));
  stickers_->AddNewSticker(record);
}

bool TQuillor::CreateManager() {
  schedulerActions_ = std::make_unique<ProgramSchedulerActions>(ProgramSchedulerActionsArgs{
      stickers_.get(), tray_.get(), reminders_.get(), [this] { return SaveTasks(); }});
  wizard_ = std::make_unique<TFormPlan>(mui_, *store_);
  if (!wizard_->Create()) return false;
  manager_ = std::make_unique<TFormManager>(ManagerArgs{&mui_, store_.get(), this, dialog_.get(), schedulerActions_.get(),
                                                        wizard_.get(), &menuGlyphs_, configuration_.managerSort,
                                                        configuration_.managerPage, &clock_});
  if (!manager_->Create()) return false;
  return true;
}

// The name proposed is the start of the sticker's text, or a calendar's month
// and year; what the user keeps is cleaned of the characters a file name
// cannot hold. A shortcut that could not be written is said so: it must not
// look as if it existed.
void TQuillor::CreateShortcut(std::int32_t id, const StickerRecord& record) {
  std::wstring name = StickerTitle(record, mui_, kShortcutNameLength);
  if (!dialog_->Input(mui_.Text({L"Manager", L"dialog_link_stick_caption"}), mui_.Text({L"Manager", L"dialog_link_stick"}),
                      name))
    return;
  name = CleanShortcutName(name);
  if (name.empty()) return;
  const ShortcutResult result = CreateStickerShortcut(name, id);
  if (!result.Written()) ShowFileError(FileErrorKind::kCreate, result.path, result.error);
}

void TQuillor::ReportStoreFull() const { ShowNoticeText(mui_.Text({L"Tray", L"storeFull"})); }

void TQuillor::SaveDefaults(const TDefaultSettings& defaults) {
  defaultSticker_ = defaults;
  IniFile file(DataFile(kDefaultSettingsFile));
  WriteDefaultSettings(file, defaults);
  ReportWriteFailure(file);
}

void TQuillor::RefillManager() {
  if (manager_) manager_->RefillStickers();
}

void TQuillor::OnStickersMerged(const StickerMergeReport& report) {
  if (stickers_) stickers_->ShowMerged(report);
  KeepUnplaced(kUnplacedStickers, ImageOfRecords<StickerRecord>(report.unplaced));
}

// Tasks that came in have no due time yet: the scheduler works them out.
void TQuillor::OnTasksMerged(const TaskMergeReport& report) {
  if (manager_ && report.TableChanged()) manager_->TaskRefreshClick();
  KeepUnplaced(kUnplacedTasks, ImageOfRecords<TaskRecord>(report.unplaced));
}

void TQuillor::KeepUnplaced(const wchar_t* name, std::span<const std::uint8_t> records) {
  if (records.empty()) return;
  const std::wstring path = DataFile(name);
  FileReadResult kept = ReadWholeFile(path, SIZE_MAX);
  kept.bytes.insert(kept.bytes.end(), records.begin(), records.end());
  if (const DWORD error = WriteFileAtomically(path, kept.bytes); error != 0)
    ShowFileError(FileErrorKind::kCreate, path, error);
}

// What could not be taken in yet is looked at again once, a moment later.
void TQuillor::TakeInSharedChanges() {
  KillTimer(Handle(), kSharedRetryTimer);
  if (!shared_->TakeInChanges()) SetTimer(Handle(), kSharedRetryTimer, kSharedRetryDelayMs, nullptr);
}

void TQuillor::ShowKeptUnread(const std::wstring& keptAs) {
  ShowErrorText(mui_.Text({L"Manager", L"kept_unread"}) + L"\r\n" + keptAs);
}

// Another program waits for its message to be handled: the form opens after
// the answer, so that the sender does not wait for the user.
void TQuillor::PostNewSticker() { PostMessageW(Handle(), kOpenNewSticker, 0, 0); }

// From the menu, the icon, a later start, a hot key or another program. A
// full store is said before the form opens, so that nothing typed is lost.
void TQuillor::NewSticker() {
  if (!Ready() || !stickers_->HasRoomOrSays()) return;
  StickerRecord record{};
  if (newSticker_->Run(defaultSticker_, record)) stickers_->AddNewSticker(record);
}

// First of all, so that the program shows it has started; the menu comes
// once the windows it needs exist.
void TQuillor::CreateTray() {
  LoadTrayIcon();
  tray_ = std::make_unique<TTrayIconAdv>(Handle(), TrayIcon());
  if (!tray_->Create()) return;
  tray_->SetPopupMenu([this](POINT at) { OpenMainMenu(at); });
  tray_->onLeftButtonDoubleClick = [this] { NewSticker(); };
  tray_->SetEnabled(true);
}

// The task bar shows the icon at the small-icon size of the primary
// monitor's scale.
void TQuillor::LoadTrayIcon() {
  trayScale_ = MonitorScaleAt({0, 0});
  const int size = SmallIconSize(trayScale_);
  trayIcon_.Reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), kApplicationIcon, IMAGE_ICON, size, size, 0)));
}

HICON TQuillor::TrayIcon() const { return trayIcon_ ? trayIcon_.Get() : LoadIconW(nullptr, IDI_APPLICATION); }

// A monitor's scale or the system's changed: every sticker on a monitor of
// a new scale is drawn anew, and the tray gets an icon of the new size.
void TQuillor::FollowScale() {
  stickers_->FollowScale();
  if (MonitorScaleAt({0, 0}) == trayScale_) return;
  UniqueIcon old = std::move(trayIcon_);  // the tray shows it until it has the new one
  LoadTrayIcon();
  tray_->SetApplicationIcon(TrayIcon());
}

// The flags at 100 % are loaded at start, where a damaged program is told;
// other scales load theirs when a menu first asks.
void TQuillor::LoadFlags() {
  auto [first, status] = LoadFlagList(kDefaultDpi);
  if (status != ResourceLoadStatus::kOk) ShowErrorText(ResourceErrorText(kFlagsPicture, status));
  flags_.Put(kDefaultDpi, std::move(first));
}

void TQuillor::OpenMainMenu(POINT at) {
  if (!Ready()) return;  // an error box of the start-up is still showing
  menu_->SetScale(MonitorScaleAt(at));
  menu_->ListStickers(*store_);
  const UINT command = static_cast<UINT>(
      TrackPopupMenu(menu_->Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr));
  if (command && !menu_->Languages().Choose(command) && !ChooseHotKey(command)) RunMenuChoice(menu_->Decode(command));
}

void TQuillor::ConfirmDeleteAll() {
  if (dialog_->Confirm(mui_.Text({L"Tray", L"dialCaptionDeleteAll"}), mui_.Text({L"Tray", L"dialTextDeleteAll"})))
    stickers_->DeleteAll();
}

void TQuillor::RunMenuChoice(const MenuChoice& choice) {
  switch (choice.action) {
    case MenuAction::kNewSticker:
      NewSticker();
      break;
    case MenuAction::kManager:
      manager_->Open();
      break;
    case MenuAction::kAbout:
      about_->Show();
      break;
    case MenuAction::kShowAll:
      stickers_->ShowAll();
      break;
    case MenuAction::kHideAll:
      stickers_->HideAll();
      break;
    case MenuAction::kDeleteAll:
      ConfirmDeleteAll();
      break;
    case MenuAction::kFindOffScreen:
      stickers_->BringAllOnScreen();
      break;
    case MenuAction::kFindTransparent:
      stickers_->MakeAllVisible();
      break;
    case MenuAction::kClose:
      Shutdown();
      break;
    case MenuAction::kStickerPosition:
      stickers_->ChangePosition(choice.stickerId, choice.position);
      break;
    case MenuAction::kStickerShow:
      stickers_->BringToFront(choice.stickerId);
      break;
    case MenuAction::kStickerFloat:
      stickers_->ToggleFloating(choice.stickerId);
      break;
    case MenuAction::kStickerSettings:
      stickers_->OpenSettings(choice.stickerId);
      break;
    default:
      break;
  }
}

// The pictures are part of the program file, so a failure means a damaged
// program; one box says so, and the pictures that did load are used. The
// sets of other display scales load when a window first asks for them.
void TQuillor::LoadSkinPictures() {
  SkinBitmaps first;
  const std::vector<SkinLoadFailure> failures = LoadSkinBitmaps(first, kDefaultDpi);
  if (!failures.empty()) ShowErrorText(ResourceErrorText(failures.front().name, failures.front().status));
  skinBitmaps_ = ScaledSkins(SkinLoader());
  skinBitmaps_.Put(kDefaultDpi, std::move(first));
}

// Notes of a base.db that could be read only now open as they were saved.
bool TQuillor::SaveDatabase() {
  if (savingDatabase_) return true;
  savingDatabase_ = true;
  std::vector<int> late;
  const bool written = database_->Write(*store_, late);
  savingDatabase_ = false;
  if (!late.empty()) {
    stickers_->ShowLoaded();
    RefillManager();
  }
  return written;
}

void TQuillor::ReadConfigurationFile() {
  const IniFile file(DataFile(kConfigFile));
  if (!FileExists(file.Path())) {
    configuration_ = ConfigurationWithoutFile();
    ApplyLanguageChoice(LanguageWithoutFile(GetSystemDefaultLangID() == kRussianLanguage));
    return;
  }
  configuration_ = ReadConfiguration(file);
  ApplyLanguageChoice(ReadLanguageChoice(file));
  keys_.SetCreate(configuration_.newStickerKey);
  keys_.SetManager(configuration_.managerKey);
  ShowKeyAssignments();
}

void TQuillor::ShowKeyAssignments() {
  menu_->NewStickerKeys().Show(keys_.GetCreate());
  menu_->ManagerKeys().Show(keys_.GetManager());
  chordix_->PassTable(keys_);
}

bool TQuillor::ChooseHotKey(UINT command) {
  if (const auto key = menu_->NewStickerKeys().Choose(command)) {
    keys_.SetCreate(*key);
  } else if (const auto managerKey = menu_->ManagerKeys().Choose(command)) {
    keys_.SetManager(*managerKey);
  } else {
    return false;
  }
  ShowKeyAssignments();
  return true;
}

// A key of both actions makes a sticker; the manager comes to the front.
void TQuillor::OnHotKey(WPARAM notice) {
  const auto key = KeyIndexOfNotice(notice);
  if (!key) return;
  if (keys_.GetCreate() == *key) {
    PostNewSticker();
  } else if (keys_.GetManager() == *key) {
    manager_->Open();
    manager_->Raise();
  }
}

void TQuillor::ApplyLanguageChoice(const TLanguage& choice) {
  if (choice.english)
    mui_.ApplyBuiltin(BuiltinLanguage::kEnglish);
  else if (choice.russian)
    mui_.ApplyBuiltin(BuiltinLanguage::kRussian);
  else
    ApplyLanguageFile(mui_, LanguageFilePath(programFolder_, choice.otherLanguage));
}

void TQuillor::SaveConfiguration() {
  configuration_.newStickerKey = keys_.GetCreate();
  configuration_.managerKey = keys_.GetManager();
  if (manager_) {
    configuration_.managerSort = manager_->SortByName();
    configuration_.managerPage = manager_->Page();
  }
  IniFile file(DataFile(kConfigFile));
  WriteConfiguration(file, mui_.Language(), configuration_);
  ReportWriteFailure(file);
}

// The notes' windows come after every other window of the start-up: the
// system takes in a window's picture at leisure, but a window made later
// would wait until it had taken in every note's.
void TQuillor::ShowStickers(bool firstStart) {
  stickers_->ShowLoaded();
  if (firstStart) AddWelcomeSticker();
}

// The shell restarted: the icon goes back and the windows are made anew from
// the store, which holds every change, written or not (a write may have
// failed: a full disk, a locked file, a pulled USB stick). Neither the files
// nor the configuration are read again: both may be older than what the user
// sees.
void TQuillor::RebuildAfterShellRestart() {
  tray_->SetEnabled(true);
  stickers_->ReopenAll();
}

// Named only once the message loop runs: a later start looks for the name
// and hands its commands over at once, and a window that has not read its
// messages for a while would count as hung and lose them.
void TQuillor::OnStartUpEnded() {
  SetWindowTextW(Handle(), kMainWindowTitle);
  if (closeAsked_) Shutdown();
}

void TQuillor::Shutdown() {
  SaveConfiguration();
  shared_.reset();  // the watch posts to the window
  chordix_.reset();  // the hook goes before the window it reports to
  DestroyWindow(Handle());
}

void TQuillor::OnDestroyed() { PostQuitMessage(0); }

// What the manager asks: the sticker operations, which write and refresh.
void TQuillor::ShowSticker(std::int32_t id) { stickers_->Show(id); }
void TQuillor::HideSticker(std::int32_t id) { stickers_->Hide(id); }
void TQuillor::DeleteSticker(std::int32_t id) { stickers_->Delete(id); }
void TQuillor::DuplicateSticker(std::int32_t id) { stickers_->Duplicate(id); }
void TQuillor::ToggleFloating(std::int32_t id) { stickers_->ToggleFloating(id); }
void TQuillor::OpenSettings(std::int32_t id) { stickers_->OpenSettings(id); }
void TQuillor::CreateShortcut(std::int32_t id) { stickers_->CreateShortcut(id); }
void TQuillor::RebuildShownStickers() { stickers_->RedrawAll(); }
bool TQuillor::SaveTasks() { return tasks_->Write(*store_); }

LRESULT TQuillor::OnUserCommand(WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(lParam)) {
    case kUserCountStickers:
      return store_->CountStickers();
    case kUserSaveDatabase:
      SaveDatabase();
      return 0;
    case kUserNewSticker:
      if (wParam == kUserNewStickerArgument || wParam == kUserNewStickerOtherArgument) PostNewSticker();
      return 0;
    case kUserHotKey:
      OnHotKey(wParam);
      return 0;
    case kUserVersionProbe:
      return kVersionProbeAnswer;
    default:
      return 0;
  }
}

// Commands of later instances and other programs; the new-sticker and manager
// commands wait for their windows.
void TQuillor::OnInstanceCommand(WPARAM argument, LPARAM command) {
  switch (command) {
    case kInstanceToggleSticker:
      stickers_->ToggleById(static_cast<std::int32_t>(argument));
      break;
    case kInstanceHideAll:
      stickers_->HideAll();
      break;
    case kInstanceShowAll:
      stickers_->ShowAll();
      break;
    case kInstanceNewStickerBareStart:
    case kInstanceNewSticker:
      PostNewSticker();
      break;
    case kInstanceRedrawAll:
      stickers_->RedrawAll();
      break;
    case kInstanceShowManager:
      manager_->Open();
      break;
    default:
      break;
  }
}

LRESULT TQuillor::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
    if (Ready()) RebuildAfterShellRestart();
    return 0;
  }
  switch (message) {
    case WM_USER:
      return Ready() ? OnUserCommand(wParam, lParam) : 0;
    case WM_INSTANCE_COMMAND:
      if (Ready()) OnInstanceCommand(wParam, lParam);
      return 0;
    case kOpenNewSticker:
      NewSticker();
      return 0;
    case kReleaseClosedStickers:
      if (stickers_) stickers_->ReleaseClosedWindows();
      return 0;
    case WM_INITMENUPOPUP:
      if (Ready() && reinterpret_cast<HMENU>(wParam) == menu_->Languages().Handle()) menu_->Languages().Rebuild();
      return 0;
    case WM_MEASUREITEM:
      return Ready() && menu_->Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM:
      return Ready() && menu_->Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_DISPLAYCHANGE:
      if (Ready()) {
        stickers_->BringBackStranded();
        FollowScale();
      }
      return 0;
    case WM_SETTINGCHANGE:
    case WM_DPICHANGED:  // the hidden window stands on the primary monitor: its scale changed
      if (Ready()) FollowScale();
      return 0;
    case kStartUpEnded:
      OnStartUpEnded();
      return 0;
    case kDataFolderChanged:
      if (Ready() && shared_) TakeInSharedChanges();
      return 0;
    case WM_TIMER:
      if (wParam == kSharedRetryTimer && Ready() && shared_) TakeInSharedChanges();
      return 0;
    case WM_CLOSE:  // during start-up (an error box waits), once it is over
      if (Ready())
        Shutdown();
      else
        closeAsked_ = true;
      return 0;
    case WM_QUERYENDSESSION:  // another program may still cancel the end of the session
      if (Ready()) SaveConfiguration();  // before that, the configuration has not even been read
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) DestroyWindow(Handle());
      return 0;
    default:
      return WindowBase::HandleMessage(message, wParam, lParam);
  }
}
