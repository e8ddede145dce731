#pragma once
// TQuillor: the hidden main window that owns the store, the data folder and
// the configuration, and answers other programs and later instances.

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/chordix_library_win.h"
#include "app/configuration.h"
#include "app/key_assignments.h"
#include "app/main_menu_win.h"
#include "app/scheduler_actions_win.h"
#include "app/shared_data_folder_win.h"
#include "app/sticker_operations_win.h"
#include "app/tray_icon_win.h"
#include "editors/icon_choices_win.h"
#include "editors/new_sticker_form_win.h"
#include "editors/settings_form_win.h"
#include "manager/about_form_win.h"
#include "win/form_dialog_win.h"
#include "manager/manager_commands.h"
#include "manager/manager_form_win.h"
#include "manager/reminders_win.h"
#include "win/window_base_win.h"
#include "lang/tmui.h"
#include "win/menu_glyphs_win.h"
#include "win/scaled_image_list_win.h"
#include "store/default_settings.h"
#include "store/scaled_skins.h"
#include "store/system_clock_win.h"
#include "store/data_files_win.h"
#include "store/tat_bitmap.h"
#include "store/tmassiv.h"

class TQuillor final : public WindowBase, private ManagerCommands {
 public:
  explicit TQuillor(std::int32_t startStickerId);

  // Creates the window and runs the start-up sequence.
  [[nodiscard]] bool Create();

  const std::wstring& DataFolder() const { return dataFolder_; }
  Tmassiv& Store() { return *store_; }
  // The current texts; windows register their relabel hooks here.
  TMUI& Mui() { return mui_; }
  // Lent read-only to sticker windows for their frames, pins and buttons.
  const ScaledSkins& Skins() const { return skinBitmaps_; }
  // The pictures of the picture packs, icon numbers 101 and up.
  const TATBitmap& UserIcons() const { return userIcons_; }

  // Writes base.db from the store; false when it failed (the error was shown).
  bool SaveDatabase();
  StickerOperations& Stickers() { return *stickers_; }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroyed() override;
  LRESULT OnUserCommand(WPARAM wParam, LPARAM lParam);
  void OnInstanceCommand(WPARAM argument, LPARAM command);

  void LoadSkinPictures();
  void ReadConfigurationFile();
  void ApplyLanguageChoice(const TLanguage& choice);
  void SaveConfiguration();
  void ShowStickers(bool firstStart);
  void RebuildAfterShellRestart();
  void OnStartUpEnded();
  void Shutdown();
  void CreateTray();
  void LoadTrayIcon();
  HICON TrayIcon() const;
  void FollowScale();
  void LoadFlags();
  void OpenMainMenu(POINT at);
  void RunMenuChoice(const MenuChoice& choice);
  // A hot-key menu's command; false for other commands.
  bool ChooseHotKey(UINT command);
  // The hook library reported a key.
  void OnHotKey(WPARAM notice);
  // The key assignments reach both menus and the hook library.
  void ShowKeyAssignments();
  void ConfirmDeleteAll();
  void PostNewSticker();
  void SaveDefaults(const TDefaultSettings& defaults);
  void ShowKeptUnread(const std::wstring& keptAs);
  // Another computer's changes, merged into the store, shown.
  void OnStickersMerged(const StickerMergeReport& report);
  void OnTasksMerged(const TaskMergeReport& report);
  // Records a merge found no free slot for are added to a file of their own.
  void KeepUnplaced(const wchar_t* name, std::span<const std::uint8_t> records);
  void TakeInSharedChanges();
  void RefillManager();
  void CreateShortcut(std::int32_t id, const StickerRecord& record);
  void NewSticker() override;
  [[nodiscard]] bool CreateEditors();
  // Whether start-up is over: an error box during start-up already dispatches
  // messages, which must not reach a half-made program.
  bool Ready() const { return started_; }
  std::wstring DataFile(const wchar_t* name) const { return dataFolder_ + name; }

  void ReportStoreFull() const;

  [[nodiscard]] bool CreateManager();
  void AddWelcomeSticker();
  void ShowSticker(std::int32_t id) override;
  void HideSticker(std::int32_t id) override;
  void DeleteSticker(std::int32_t id) override;
  void DuplicateSticker(std::int32_t id) override;
  void ToggleFloating(std::int32_t id) override;
  void OpenSettings(std::int32_t id) override;
  void CreateShortcut(std::int32_t id) override;
  void RebuildShownStickers() override;
  bool SaveTasks() override;

  std::wstring programFolder_;
  std::wstring dataFolder_;
  UINT taskbarCreatedMessage_ = 0;
  std::int32_t startStickerId_;
  std::unique_ptr<StickerDatabaseFile> database_;
  std::unique_ptr<TaskFile> tasks_;
  SystemClock clock_;  // the scheduler's time and the calendars' today, read alike
  std::unique_ptr<SharedDataFolder> shared_;
  // A merge may set off a write (a window that moves), which the write under
  // way, or the next one, already covers.
  bool savingDatabase_ = false;
  ScaledSkins skinBitmaps_;
  FrameCache frames_;  // shared by the sticker windows
  TATBitmap userIcons_;
  MenuGlyphs menuGlyphs_;  // the glyph strip at each scale: menu item pictures, grids and buttons
  std::unique_ptr<Tmassiv> store_;
  Configuration configuration_;
  TChordix keys_;
  std::unique_ptr<ChordixLibrary> chordix_;
  TMUI mui_;
  std::unique_ptr<StickerOperations> stickers_;
  std::unique_ptr<ProgramSchedulerActions> schedulerActions_;
  std::unique_ptr<TFormPlan> wizard_;
  std::unique_ptr<TFormManager> manager_;
  UniqueIcon trayIcon_;
  DisplayScale trayScale_;  // the icon's
  std::unique_ptr<TTrayIconAdv> tray_;
  ScaledImageList flags_;  // the language menu's flags, 25 x 15 at 100 %
  std::unique_ptr<MainMenu> menu_;
  std::unique_ptr<TFormDialog> dialog_;
  std::unique_ptr<Reminders> reminders_;
  std::unique_ptr<TAboutForm> about_;
  std::unique_ptr<IconChoices> icons_;
  std::unique_ptr<TSettingsForm> settings_;
  std::unique_ptr<TFormStickerMess> newSticker_;
  bool started_ = false;
  // Closing was asked for while start-up still ran (an installer, say): the
  // configuration had not been read and must not be overwritten.
  bool closeAsked_ = false;
  TDefaultSettings defaultSticker_;
};
