// jolvent_workbench [--plugin PATH] [--japanese] [--script FILE --out DIR]
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "workbench/app/session.h"
#include "workbench/app/workbench_window.h"

namespace {

std::string besideExe(const char* name) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  const std::size_t slash = folder.find_last_of("\\/");
  return (slash == std::string::npos ? std::string() : folder.substr(0, slash + 1)) +
         name;
}

// Scripts run unattended: their complaints go to stderr only.
bool quiet = false;

void complain(const std::string& text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), length);
  std::fprintf(stderr, "%s\n", text.c_str());
  if (!quiet)
    MessageBoxW(nullptr, wide.c_str(), L"Jolvent workbench", MB_OK | MB_ICONERROR);
}

}  // namespace

int main(int argc, char** argv) {
  std::string plugin = besideExe("Jolvent10.dll");
  bool japanese = false;
  std::string script;
  std::string out = ".";
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--plugin" && i + 1 < argc) {
      plugin = argv[++i];
    } else if (argument == "--script" && i + 1 < argc) {
      script = argv[++i];
    } else if (argument == "--out" && i + 1 < argc) {
      out = argv[++i];
    } else if (argument == "--japanese") {
      japanese = true;
    } else {
      complain("Unknown argument " + argument +
               "; usage: jolvent_workbench [--plugin PATH] [--japanese] [--script FILE "
               "--out DIR]");
      return 2;
    }
  }
  std::string text;
  if (!script.empty()) {
    std::ifstream file(script, std::ios::binary);
    if (!file) {
      complain("Cannot read the script " + script);
      return 2;
    }
    text.assign(std::istreambuf_iterator<char>(file), {});
    quiet = true;
    try {
      jolvent::workbench::parseScript(text);
    } catch (const jolvent::workbench::ScriptError& error) {
      complain(script + ": " + error.what());
      return 2;
    }
  }
  try {
    jolvent::workbench::Session session(plugin, japanese);
    int status = 0;
    {
      jolvent::workbench::WorkbenchWindow window(session);
      session.start();
      window.show();
      if (!script.empty()) window.playScript(jolvent::workbench::parseScript(text), out);
      status = window.run();
    }
    return status;
  } catch (const jolvent::standin::PluginLoadError& error) {
    const DWORD attributes = GetFileAttributesA(plugin.c_str());
    complain(jolvent::workbench::explainLoadFailure(
        plugin, attributes != INVALID_FILE_ATTRIBUTES, error.what()));
    return 1;
  }
}
