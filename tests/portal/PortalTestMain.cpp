// main() for the portal tests: a session bus of the test's own (a dbus-daemon
// with no service files, so nothing real is ever started on it), and a Tonik
// in a Wayland session on the offscreen platform.
#include <QApplication>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char BUS_CONFIG[] = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=%s</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

// Starts the bus; returns its process and sets DBUS_SESSION_BUS_ADDRESS.
pid_t StartBus(const std::string& folder)
{
    const std::string config = folder + "/bus.conf";
    FILE* file = std::fopen(config.c_str(), "w");
    if (file == nullptr)
        return -1;
    std::fprintf(file, BUS_CONFIG, folder.c_str());
    std::fclose(file);
    int address[2];
    if (pipe(address) != 0)
        return -1;
    const pid_t bus = fork();
    if (bus == 0) {
        dup2(address[1], STDOUT_FILENO);
        close(address[0]);
        execlp("dbus-daemon", "dbus-daemon", "--nofork", "--print-address=1", ("--config-file=" + config).c_str(),
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(address[1]);
    std::string line;
    char c = 0;
    while (read(address[0], &c, 1) == 1 && c != '\n')
        line += c;
    close(address[0]);
    setenv("DBUS_SESSION_BUS_ADDRESS", line.c_str(), 1);
    return line.empty() ? -1 : bus;
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_SESSION_TYPE", "wayland", 1);
    unsetenv("WAYLAND_DISPLAY");
    QTemporaryDir folder;
    const pid_t bus = StartBus(folder.path().toStdString());
    if (bus < 0) {
        std::fprintf(stderr, "no private session bus: is dbus-daemon installed?\n");
        return 1;
    }
    int result = 0;
    {
        QApplication app(argc, argv);
        testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    kill(bus, SIGTERM);
    waitpid(bus, nullptr, 0);
    return result;
}
