#include "support/shell_link_win.h"

#include <windows.h>
#include <shlobj.h>

#include "win/handles_win.h"

ShellLinkFields ReadShellLink(const std::wstring& file) {
  const ScopedCoInitialize com;
  IShellLinkW* rawLink = nullptr;
  CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&rawLink));
  const ScopedCom<IShellLinkW> link(rawLink);
  IPersistFile* rawFile = nullptr;
  if (link) link.Get()->QueryInterface(IID_PPV_ARGS(&rawFile));
  const ScopedCom<IPersistFile> persist(rawFile);
  if (!persist || FAILED(persist.Get()->Load(file.c_str(), STGM_READ))) return {};
  wchar_t path[MAX_PATH] = {}, arguments[MAX_PATH] = {}, folder[MAX_PATH] = {};
  link.Get()->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH);
  link.Get()->GetArguments(arguments, MAX_PATH);
  link.Get()->GetWorkingDirectory(folder, MAX_PATH);
  return {path, arguments, folder};
}


bool WriteShellLink(const std::wstring& file, const ShellLinkFields& fields) {
  const ScopedCoInitialize com;
  IShellLinkW* rawLink = nullptr;
  CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&rawLink));
  const ScopedCom<IShellLinkW> link(rawLink);
  IPersistFile* rawFile = nullptr;
  if (link) link.Get()->QueryInterface(IID_PPV_ARGS(&rawFile));
  const ScopedCom<IPersistFile> persist(rawFile);
  return persist && SUCCEEDED(link.Get()->SetPath(fields.path.c_str())) &&
         SUCCEEDED(link.Get()->SetArguments(fields.arguments.c_str())) &&
         SUCCEEDED(link.Get()->SetWorkingDirectory(fields.workingFolder.c_str())) &&
         SUCCEEDED(persist.Get()->Save(file.c_str(), TRUE));
}
