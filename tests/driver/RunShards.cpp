// Runs a test program in shards side by side, each a process of its own told
// its shard by GTEST_TOTAL_SHARDS and GTEST_SHARD_INDEX, and prints each
// shard's output, in turn, once all have ended. The status is 1 when a shard
// failed (or could not start), else 0.
//   RunShards COUNT PROGRAM [ARGUMENTS...]
// PROGRAM without a folder is looked for beside RunShards.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::wstring Widen(const char* S) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, S, -1, nullptr, 0);
  std::wstring w(static_cast<size_t>(n > 0 ? n - 1 : 0), L'\0');
  if (n > 1) MultiByteToWideChar(CP_UTF8, 0, S, -1, &w[0], n);
  return w;
}

std::wstring Quoted(const std::wstring& S) { return L"\"" + S + L"\""; }

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p(path, n);
  return p.substr(0, p.find_last_of(L"\\/") + 1);
}

struct TShard {
  PROCESS_INFORMATION Process{};
  std::wstring Output;  // the file its output goes to
};

// Starts shard Index of Count with its output in a file of its own.
bool Start(TShard& S, const std::wstring& CommandLine, int Index, int Count) {
  wchar_t folder[MAX_PATH], file[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  GetTempFileNameW(folder, L"shd", 0, file);
  S.Output = file;
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE out = CreateFileW(file, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return false;
  SetEnvironmentVariableW(L"GTEST_TOTAL_SHARDS", std::to_wstring(Count).c_str());
  SetEnvironmentVariableW(L"GTEST_SHARD_INDEX", std::to_wstring(Index).c_str());
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  si.hStdOutput = si.hStdError = out;
  std::wstring line = CommandLine;
  const BOOL started = CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &S.Process);
  CloseHandle(out);
  return started != FALSE;
}

void PrintOutput(const std::wstring& File) {
  FILE* f = _wfopen(File.c_str(), L"rb");
  if (!f) return;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, f)) > 0;) fwrite(buffer, 1, n, stdout);
  fclose(f);
  DeleteFileW(File.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 2 ? std::atoi(argv[1]) : 0;
  if (count < 1 || count > MAXIMUM_WAIT_OBJECTS) {
    std::fprintf(stderr, "usage: RunShards COUNT PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  std::wstring program = Widen(argv[2]);
  if (program.find_first_of(L"\\/:") == std::wstring::npos) program = OwnFolder() + program;
  std::wstring line = Quoted(program);
  for (int i = 3; i < argc; ++i) line += L" " + Quoted(Widen(argv[i]));

  std::vector<TShard> shards(static_cast<size_t>(count));
  int status = 0;
  std::vector<HANDLE> running;
  for (int i = 0; i < count; ++i) {
    if (Start(shards[static_cast<size_t>(i)], line, i, count)) {
      running.push_back(shards[static_cast<size_t>(i)].Process.hProcess);
    } else {
      std::printf("shard %d of %d did not start (error %lu)\n", i, count, GetLastError());
      status = 1;
    }
  }
  if (!running.empty()) WaitForMultipleObjects(static_cast<DWORD>(running.size()), running.data(), TRUE, INFINITE);
  for (int i = 0; i < count; ++i) {
    TShard& s = shards[static_cast<size_t>(i)];
    if (!s.Process.hProcess) continue;
    DWORD code = 1;
    GetExitCodeProcess(s.Process.hProcess, &code);
    std::printf("---- shard %d of %d: %s\n", i, count, code == 0 ? "passed" : "FAILED");
    std::fflush(stdout);
    PrintOutput(s.Output);
    std::fflush(stdout);
    if (code != 0) status = 1;
    CloseHandle(s.Process.hProcess);
    CloseHandle(s.Process.hThread);
  }
  return status;
}
