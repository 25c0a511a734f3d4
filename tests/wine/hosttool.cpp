// A Linux program called from a test that runs under Wine. Wine starts a
// Linux program from a Windows one but gives no handle to wait for it, so
// QProcess cannot tell when pdftotext has finished. This stand-in, built once
// per tool under the tool's own name, runs the tool of its name through the
// host's shell with its output in files, waits for the shell to say it is
// done, then hands the output and the exit code on as a Windows program.
// Arguments that are Windows paths become the host's paths.

#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace {

using UnixName = char *(CDECL *)(const wchar_t *);

UnixName unixNameFunction()
{
    return reinterpret_cast<UnixName>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
}

std::wstring widen(const std::string &text)
{
    std::wstring wide(MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), int(wide.size()));
    wide.resize(wide.size() - 1);
    return wide;
}

// The host's name for a Windows path such as C:\x or Z:/x; other arguments as
// they are.
std::string hostArgument(UnixName unixName, const std::string &argument)
{
    const bool windowsPath = argument.size() > 2 && argument[1] == ':'
        && (argument[2] == '\\' || argument[2] == '/');
    if (!windowsPath)
        return argument;
    char *name = unixName(widen(argument).c_str());
    if (!name)
        return argument;
    std::string host(name);
    HeapFree(GetProcessHeap(), 0, name);
    return host;
}

// One shell word in single quotes.
std::string quoted(const std::string &word)
{
    std::string out(1, '\'');
    for (char c : word) {
        if (c == '\'')
            out.append("'\\''");
        else
            out.push_back(c);
    }
    out.push_back('\'');
    return out;
}

bool copyFile(const std::string &from, FILE *to)
{
    FILE *in = std::fopen(from.c_str(), "rb");
    if (!in)
        return false;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        std::fwrite(buffer, 1, n, to);
    std::fclose(in);
    std::fflush(to);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    const UnixName unixName = unixNameFunction();
    if (!unixName) {
        std::fprintf(stderr, "hosttool: only runs under Wine\n");
        return 127;
    }
    // The tool is the one this program is named after.
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string tool(self);
    tool = tool.substr(tool.find_last_of("\\/") + 1);
    tool = tool.substr(0, tool.rfind('.'));

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string base = std::string(temp) + "hosttool-" + std::to_string(GetCurrentProcessId()) + "-";
    const std::string out = base + "out", err = base + "err", done = base + "done";
    DeleteFileA(done.c_str());

    const std::string hostDone = quoted(hostArgument(unixName, done));
    std::string script("PATH=/usr/bin:/bin; exec >");
    script.append(quoted(hostArgument(unixName, out)));
    script.append(" 2>");
    script.append(quoted(hostArgument(unixName, err)));
    script.append("; ");
    script.append(quoted(tool));
    for (int i = 1; i < argc; ++i) {
        script.push_back(' ');
        script.append(quoted(hostArgument(unixName, argv[i])));
    }
    script.append("; echo $? >").append(hostDone).append(".part && mv ").append(hostDone);
    script.append(".part ").append(hostDone);
    // The shell's one argument in a Windows command line's double quotes,
    // which the script never contains.
    std::string command("Z:\\bin\\sh -c \"");
    command.append(script);
    command.push_back('"');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "hosttool: cannot start %s (error %lu)\n", tool.c_str(), GetLastError());
        return 127;
    }
    int status = -1;
    for (int waited = 0; waited < 300000; waited += 20) {
        if (FILE *f = std::fopen(done.c_str(), "r")) {
            if (std::fscanf(f, "%d", &status) != 1)
                status = 127;
            std::fclose(f);
            break;
        }
        Sleep(20);
    }
    if (status < 0) {
        std::fprintf(stderr, "hosttool: %s did not finish\n", tool.c_str());
        return 127;
    }
    _setmode(_fileno(stdout), _O_BINARY);
    copyFile(out, stdout);
    copyFile(err, stderr);
    DeleteFileA(out.c_str());
    DeleteFileA(err.c_str());
    DeleteFileA(done.c_str());
    return status;
}
