// Reading /proc. A process's status counts context switches of its main
// thread only, so the threads' own entries are summed.
#include "ProcStats.h"

#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

std::string Proc(pid_t pid) { return "/proc/" + std::to_string(pid); }

// The number after "key:" in a file of "key: value" lines, or -1.
long Field(const std::string& path, const std::string& key) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
        if (line.compare(0, key.size() + 1, key + ":") == 0)
            return std::stol(line.substr(key.size() + 1));
    return -1;
}

} // namespace

ProcMemory ReadMemory(pid_t pid) {
    ProcMemory m;
    m.peakRssKiB = Field(Proc(pid) + "/status", "VmHWM");
    m.rssKiB = Field(Proc(pid) + "/status", "VmRSS");
    m.pssKiB = Field(Proc(pid) + "/smaps_rollup", "Pss");
    m.ussKiB = Field(Proc(pid) + "/smaps_rollup", "Private_Clean") +
               Field(Proc(pid) + "/smaps_rollup", "Private_Dirty");
    return m;
}

ProcActivity ReadActivity(pid_t pid) {
    ProcActivity a;
    {
        // The command name in parentheses may hold blanks: count fields after it.
        std::ifstream in(Proc(pid) + "/stat");
        std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::size_t close = stat.rfind(')');
        if (close != std::string::npos) {
            std::istringstream fields(stat.substr(close + 2));
            std::string skip;
            for (int field = 3; field < 14; ++field)
                fields >> skip;
            long utime = 0, stime = 0;
            fields >> utime >> stime;
            a.cpuMs = double(utime + stime) * 1000.0 / double(sysconf(_SC_CLK_TCK));
        }
    }
    const std::string tasks = Proc(pid) + "/task";
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.') continue;
            const std::string task = tasks + "/" + entry->d_name;
            ++a.threads;
            a.contextSwitches += Field(task + "/status", "voluntary_ctxt_switches") +
                                 Field(task + "/status", "nonvoluntary_ctxt_switches");
            std::ifstream schedstat(task + "/schedstat");
            double runNs = 0;
            if (schedstat >> runNs) a.runMs += runNs / 1e6;
        }
        closedir(dir);
    }
    return a;
}
