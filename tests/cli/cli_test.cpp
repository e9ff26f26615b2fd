// The quill-pcisp executable as scripts use it: scenarios, faults, trace and exit statuses.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;

    std::vector<std::string> outLines() const { return Split(out); }
    std::vector<std::string> errLines() const { return Split(err); }
    static std::vector<std::string> Split(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
};

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Outcome Quill(const std::string& args) {
    auto dir = std::filesystem::temp_directory_path() /
               ("quill-cli-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
    std::string command = std::string(QUILL_PCISP) + " " + args + " </dev/null >" +
                          (dir / "out").string() + " 2>" + (dir / "err").string();
    int raw = std::system(command.c_str());
    Outcome run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = Slurp(dir / "out");
    run.err = Slurp(dir / "err");
    std::filesystem::remove_all(dir);
    return run;
}

// A short tick keeps the real-time runs brief.
const std::string kFast = " --headless --tick-ms 5 --update ";

TEST(Cli, EachScenarioEndsWithItsExitStatus) {
    struct Case {
        const char* scenario;
        int status;
        const char* lastLine;  // the last log or event line, when it tells the outcome
    };
    const Case cases[] = {
        {"application-old", 0, "== progress: 0/7"},
        {"ota", 0, "== progress: 0/7"},
        {"mask0210", 0, "== progress: 0/7"},
        {"application-current", 2, "== message: Your device is already updated."},
        {"application-new", 2, "== message: Your device is already updated."},
        {"mask0110", 4, nullptr},
        {"application-antique", 4, nullptr},
        {"application-nomatch", 4, nullptr},
        {"none", 3, "USB device not found!"},
        {"protect", 1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scenario);
        Outcome run = Quill(kFast + "--simulate " + c.scenario);
        EXPECT_EQ(run.status, c.status) << run.out << run.err;
        if (c.lastLine != nullptr && !run.outLines().empty()) {
            EXPECT_EQ(run.outLines().back(), c.lastLine);
        }
        EXPECT_TRUE(run.err.empty()) << run.err;
    }
}

TEST(Cli, APassingUpdateLogsItsCompletion) {
    Outcome run = Quill(kFast + "--simulate application-old");
    auto lines = run.outLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Updat FW.... Update complete !!"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "== banner: Update complete!"), lines.end());
}

TEST(Cli, ARefusalShowsTheNotSupportedMessage) {
    Outcome run = Quill(kFast + "--simulate mask0110");
    EXPECT_EQ(run.outLines().back(),
              "== message: Your device's current firmware is not supported to update. \\r\\nPlease "
              "return the product to manufacturer.");
}

TEST(Cli, AChecksumThatFailsThreeTimesFailsTheUpdate) {
    Outcome run = Quill(kFast + "--simulate ota --fault CHECKSUM_EF64_MAIN:check-condition:3");
    EXPECT_EQ(run.status, 1);
    auto lines = run.outLines();
    std::vector<std::string> last(lines.end() - 11, lines.end());
    EXPECT_EQ(last, (std::vector<std::string>{
                        "EF64K*8 Main Memory Checksum", "SendSCSICommand FAIL : >0x2<",
                        "SendSCSICommand FAIL : >0x2<", "SendSCSICommand FAIL : >0x2<", "FAIL.",
                        "FAIL.", "Updat FW.... FAIL !!", "", "== banner: FAIL", "== progress: 0/7",
                        "== message: Please disconnect and reconnect the device to your PC, "
                        "\\r\\ntry the update again."}));
}

TEST(Cli, TwoTransportFailuresAreRetriedAndTheUpdatePasses) {
    Outcome run = Quill(kFast + "--simulate mask0210 --fault PROGRAM_EF64_MAIN:transport:2");
    EXPECT_EQ(run.status, 0);
    auto lines = run.outLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "SendSCSICommand FAIL : >0x0<"), 2);
    auto program = std::find(lines.begin(), lines.end(), "Program EF64K*8 Main Memory");
    ASSERT_NE(program, lines.end());
    EXPECT_EQ(*(program + 1), "SendSCSICommand FAIL : >0x0<");
    EXPECT_EQ(*(program + 2), "SendSCSICommand FAIL : >0x0<");
}

TEST(Cli, TraceShowsEachRequestOfAMaskUpdate) {
    Outcome run = Quill(kFast + "--simulate mask0210 --trace");
    EXPECT_EQ(run.status, 0);
    const std::string z = " 00 00 00 00 00 00 00 00 00";
    const std::string q = " 01 02 03 04 05 06 07 08 09";
    std::vector<std::string> expected{
        "cdb: FF 44 00 00 00 00 00" + z + " dir=in len=128",
        "cdb: FF 62 00 00 00 00 00" + z + " dir=in len=0",
        "cdb: FF 62 23 00 00 00 00" + z + " dir=in len=0",
        "cdb: FF 29 00 00 00 00 00" + q + " dir=out len=65536",
        "cdb: FF 24 00 00 00 00 00" + q + " dir=out len=0",
        "cdb: FF 62 1C 00 00 00 00" + q + " dir=in len=0",
        "cdb: FF 2A 00 00 00 00 00" + q + " dir=out len=128",
        "cdb: FF 25 00 00 00 00 00" + q + " dir=out len=0",
        "cdb: FF 2A 01 00 00 00 00" + q + " dir=out len=128",
        "cdb: FF 25 01 00 00 00 00" + q + " dir=out len=0",
        "cdb: FF 52 00 00 00 00 00" + z + " dir=in len=0",
        "cdb: FF 53 00 00 00 00 00" + z + " dir=in len=0",
        "cdb: FF 62 23 00 00 00 00" + z + " dir=in len=0",
        "cdb: FF 5A 00 00 00 00 00" + z + " dir=out len=65536",
        "cdb: FF 58 00 00 00 00 00" + z + " dir=in len=0",
        "cdb: FF 62 1C 00 00 00 00" + z + " dir=in len=0",
        "cdb: FF 5B 00 00 00 00 00" + z + " dir=out len=128",
        "cdb: FF 59 00 00 00 00 00" + z + " dir=in len=0",
        "cdb: FF 56 00 00 00 00 00" + z + " dir=out len=0",
    };
    EXPECT_EQ(run.errLines(), expected);
}

TEST(Cli, BadCommandLinesExit64WithAReasonAndTheUsage) {
    for (const char* args :
         {"--bogus", "--headless --simulate nowhere", "--headless --tick-ms 0",
          "--headless --tick-ms abc", "--headless --fault CHECKSUM_EF64_MAIN:check-condition",
          "--headless --simulate ota --fault NOPE:transport",
          "--headless --simulate ota --fault CHECKSUM_EF64_MAIN:melt",
          "--headless --simulate ota --fault CHECKSUM_EF64_MAIN:short:x", "--headless --trace"}) {
        SCOPED_TRACE(args);
        Outcome run = Quill(args);
        EXPECT_EQ(run.status, 64);
        EXPECT_TRUE(run.out.empty());
        auto err = run.errLines();
        ASSERT_GE(err.size(), 2u);
        EXPECT_EQ(err[0].rfind("quill-pcisp: ", 0), 0u);
        EXPECT_EQ(err[1].rfind("Usage: quill-pcisp", 0), 0u);
    }
}

TEST(Cli, HelpListsOptionsScenariosAndExitStatuses) {
    Outcome run = Quill("--help");
    EXPECT_EQ(run.status, 0);
    for (const char* text :
         {"--headless", "--simulate", "--fault", "--update", "--tick-ms", "--trace", "--version",
          "application-nomatch", "check-condition", "no usable product within 60 ticks"})
        EXPECT_NE(run.out.find(text), std::string::npos) << text;
    Outcome version = Quill("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("quill-pcisp ", 0), 0u);
}

TEST(Cli, AnInterruptEndsTheRunCleanly) {
    for (int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::dup2(fds[1], 1);
            ::close(fds[0]);
            ::execl(QUILL_PCISP, QUILL_PCISP, "--headless", "--simulate", "application-old",
                    "--tick-ms", "5", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        // Wait until the dialog has assessed the product and shows "Ready".
        std::string out;
        char buffer[256];
        while (out.find("== banner: Ready") == std::string::npos) {
            ssize_t n = ::read(fds[0], buffer, sizeof buffer);
            ASSERT_GT(n, 0) << out;
            out.append(buffer, static_cast<std::size_t>(n));
        }
        ::kill(pid, signal);
        for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
            out.append(buffer, static_cast<std::size_t>(n));
        ::close(fds[0]);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status)) << "killed instead of ending";
        EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
    }
}

}  // namespace
