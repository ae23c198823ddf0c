#include "E2eSession.h"

#include "app/PanelLayout.h"
#include "model/files/BandDefaults.h"
#include "model/files/RecordCodec.h"
#include "model/files/SettingsDefaults.h"
#include "scope/ScopeGeometry.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace e2e {

namespace {

void WriteBytes(const fs::path &path, const dorv::Bytes &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::string ReadText(const fs::path &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

bool ContainsInOrder(const std::vector<std::string> &lines,
                     const std::vector<std::string> &expected)
{
    std::size_t next = 0;
    for (const std::string &line : lines) {
        if (next < expected.size() && line == expected[next]) {
            ++next;
        }
    }
    return next == expected.size();
}

E2eSession::E2eSession(const std::string &signals, Seed seed)
{
    std::string pattern = (fs::temp_directory_path() / "dorv-e2e-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
    // A display number nobody holds, and a server that really answers on it.
    int number = 150 + getpid() % 500;
    while (fs::exists("/tmp/.X" + std::to_string(number) + "-lock")) {
        ++number;
    }
    display_ = ":" + std::to_string(number);

    fs::copy_file(DORV_PROGRAM, dir_ / "dorv-ft897");
    std::ofstream(dir_ / "signals.txt") << signals;
    if (seed == Seed::LinkOnPort1) {
        seedLinkOnPort1();
    }

    // Held keys (the space bar for transmit) must not auto-repeat during a test.
    xvfb_ = Process({"Xvfb", display_, "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                     "-noreset", "-ardelay", "600000"});
    WaitFor(
        [this] {
            int code = -1;
            Capture({"xdpyinfo", "-display", display_}, {}, &code);
            return code == 0;
        },
        10000);
    wm_ = Process({"openbox"}, displayEnv());
    // Focus and the close box need the window manager to have taken the screen.
    WaitFor(
        [this] {
            return Capture({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}, displayEnv())
                       .find("window id") != std::string::npos;
        },
        10000);
}

E2eSession::~E2eSession()
{
    program_.stop(SIGKILL, 1000);
    sim_.stop(SIGTERM, 2000);
    wm_.stop(SIGTERM, 2000);
    xvfb_.stop(SIGTERM, 2000);
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
}

void E2eSession::seedLinkOnPort1()
{
    std::ofstream(dir_ / "ports.conf") << "1=" << (dir_ / "radio").string() << "\n";
    dorv::BandRecord bands;
    dorv::InstallBandDefaults(bands);
    WriteBytes(dir_ / "bandinfo.dorv", dorv::EncodeBandRecord(bands));
    dorv::SettingsRecord settings = dorv::DefaultSettings();
    settings.CommPort = 1;
    settings.TuneOnStartup = false;
    WriteBytes(dir_ / "ft897.dorv", dorv::EncodeSettingsRecord(settings));
}

std::vector<std::string> E2eSession::displayEnv() const
{
    return {"DISPLAY=" + display_, "QT_QPA_PLATFORM=xcb"};
}

void E2eSession::changeSettings(const std::function<void(dorv::SettingsRecord &)> &change)
{
    std::ifstream in(dir_ / "ft897.dorv", std::ios::binary);
    const dorv::Bytes bytes((std::istreambuf_iterator<char>(in)), {});
    dorv::SettingsRecord settings = dorv::DecodeSettingsRecord(bytes);
    change(settings);
    WriteBytes(dir_ / "ft897.dorv", dorv::EncodeSettingsRecord(settings));
}

bool E2eSession::startSimulator(const std::vector<std::string> &extra)
{
    std::vector<std::string> argv{
        FT897_SIM_PROGRAM,           "--link",    (dir_ / "radio").string(),      "--log",
        (dir_ / "sim.log").string(), "--signals", (dir_ / "signals.txt").string()};
    argv.insert(argv.end(), extra.begin(), extra.end());
    sim_ = Process(argv);
    return WaitFor([this] { return fs::exists(dir_ / "radio"); }, 5000);
}

void E2eSession::stopSimulator(int signal)
{
    sim_.stop(signal, 2000);
}

bool E2eSession::startProgram()
{
    launchProgram();
    return waitForMainWindow();
}

void E2eSession::runProgramAs(const std::string &user)
{
    const passwd *pw = getpwnam(user.c_str());
    if (pw == nullptr) {
        return;
    }
    user_ = user;
    const auto owner = [pw](const fs::path &path) { lchown(path.c_str(), pw->pw_uid, pw->pw_gid); };
    owner(dir_);
    for (const auto &entry : fs::recursive_directory_iterator(dir_)) {
        owner(entry.path());
    }
}

void E2eSession::launchProgram()
{
    std::vector<std::string> env = displayEnv();
    env.push_back("DORV_PANEL_DUMP=" + (dir_ / "panel.txt").string());
    std::vector<std::string> argv;
    if (!user_.empty()) {
        // The user's own groups only: none of root's carries over.
        argv = {"setpriv", "--reuid=" + user_,
                "--regid=" + std::to_string(getpwnam(user_.c_str())->pw_gid), "--init-groups",
                "--"};
        env.push_back("HOME=" + dir_.string());
    }
    argv.push_back((dir_ / "dorv-ft897").string());
    argv.insert(argv.end(), programArgs.begin(), programArgs.end());
    program_ = Process(argv, env, (dir_ / "program.out").string());
}

bool E2eSession::answerMessage(const std::string &title, int timeoutMs)
{
    std::string box;
    const bool shown = WaitFor(
        [&] {
            box = Capture({"xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"},
                          displayEnv());
            return !box.empty();
        },
        timeoutMs);
    if (shown) {
        box = box.substr(0, box.find('\n'));
        Capture({"xdotool", "windowactivate", "--sync", box}, displayEnv());
        Capture({"xdotool", "key", "Return"}, displayEnv());
    }
    return shown;
}

bool E2eSession::waitForMainWindow()
{
    // The splash stays for two seconds before the panel shows.
    const bool shown = WaitFor(
        [this] {
            window_ = Capture({"xdotool", "search", "--onlyvisible", "--name", "^DORV FT-897"},
                              displayEnv());
            return !window_.empty() && !panel("Caption").empty();
        },
        20000);
    if (shown) {
        window_ = window_.substr(0, window_.find('\n'));
        Capture({"xdotool", "windowactivate", "--sync", window_}, displayEnv());
    }
    return shown;
}

int E2eSession::stopProgram()
{
    return program_.stop(SIGTERM, 10000);
}

int E2eSession::closeWithCloseBox()
{
    Capture({"xdotool", "windowactivate", "--sync", window_}, displayEnv());
    Capture({"xdotool", "key", "alt+F4"}, displayEnv());
    WaitFor([this] { return !program_.running(); }, 10000);
    return program_.stop(SIGKILL, 1000);
}

void E2eSession::key(const std::string &keys)
{
    Capture({"xdotool", "key", "--clearmodifiers", keys}, displayEnv());
    usleep(150 * 1000);
}

void E2eSession::keyDown(const std::string &keys)
{
    Capture({"xdotool", "keydown", keys}, displayEnv());
}

void E2eSession::keyUp(const std::string &keys)
{
    Capture({"xdotool", "keyup", keys}, displayEnv());
}

bool E2eSession::autoRepeat(int delayMs, int ratePerSecond)
{
    int on = -1;
    int rate = -1;
    Capture({"xset", "r", "on"}, displayEnv(), &on);
    Capture({"xset", "r", "rate", std::to_string(delayMs), std::to_string(ratePerSecond)},
            displayEnv(), &rate);
    return on == 0 && rate == 0;
}

std::string E2eSession::onDisplay(const std::vector<std::string> &argv) const
{
    return Capture(argv, displayEnv());
}

std::string E2eSession::findWindow(const std::string &title, int timeoutMs) const
{
    std::string found;
    WaitFor(
        [&] {
            found = Capture({"xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"},
                            displayEnv());
            return !found.empty();
        },
        timeoutMs);
    return found.substr(0, found.find('\n'));
}

std::pair<int, int> E2eSession::windowSize(const std::string &window) const
{
    std::istringstream in(
        Capture({"xdotool", "getwindowgeometry", "--shell", window}, displayEnv()));
    int width = 0;
    int height = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("WIDTH=", 0) == 0) {
            width = std::stoi(line.substr(6));
        } else if (line.rfind("HEIGHT=", 0) == 0) {
            height = std::stoi(line.substr(7));
        }
    }
    return {width, height};
}

void E2eSession::clickAt(const std::string &window, int x, int y)
{
    Capture({"xdotool", "windowactivate", "--sync", window}, displayEnv());
    Capture({"xdotool", "mousemove", "--window", window, "--sync", std::to_string(x),
             std::to_string(y)},
            displayEnv());
    usleep(100 * 1000);
    Capture({"xdotool", "click", "1"}, displayEnv());
    usleep(150 * 1000);
}

void E2eSession::clickOnScopeFace(const std::string &window, int x, int y)
{
    const int menuBar = windowSize(window).second - dorv::kScopeFaceHeight;
    clickAt(window, x, menuBar + y);
}

void E2eSession::typeInto(const std::string &window, const std::string &text)
{
    Capture({"xdotool", "windowactivate", "--sync", window}, displayEnv());
    Capture({"xdotool", "type", "--delay", "20", text}, displayEnv());
}

void E2eSession::keyInto(const std::string &window, const std::string &keys)
{
    Capture({"xdotool", "windowactivate", "--sync", window}, displayEnv());
    Capture({"xdotool", "key", "--clearmodifiers", keys}, displayEnv());
    usleep(200 * 1000);
}

bool E2eSession::clickOnFace(const std::string &control)
{
    std::istringstream face(panel("FaceOnScreen"));
    int x = 0, y = 0, width = 0, height = 0;
    if (!(face >> x >> y >> width >> height)) {
        return false;
    }
    const QPoint centre = dorv::gui::PanelLayout::place(
                              dorv::gui::PanelLayout::onFace(QString::fromStdString(control)),
                              QRect(x, y, width, height))
                              .center();
    Capture({"xdotool", "mousemove", "--sync", std::to_string(centre.x()),
             std::to_string(centre.y()), "click", "1"},
            displayEnv());
    usleep(150 * 1000);
    return true;
}

std::vector<std::pair<int, std::string>> E2eSession::timedSimLog() const
{
    std::vector<std::pair<int, std::string>> lines;
    std::istringstream in(ReadText(dir_ / "sim.log"));
    for (std::string line; std::getline(in, line);) {
        const auto space = line.find(' ');
        if (space != std::string::npos) {
            lines.emplace_back(std::atoi(line.c_str()), line.substr(space + 1));
        }
    }
    return lines;
}

std::vector<std::string> E2eSession::simLog() const
{
    std::vector<std::string> lines;
    for (const auto &[ms, line] : timedSimLog()) {
        lines.push_back(line);
    }
    return lines;
}

bool E2eSession::waitForLogSequence(const std::vector<std::string> &expected, int timeoutMs) const
{
    return WaitFor([&] { return ContainsInOrder(simLog(), expected); }, timeoutMs);
}

std::string E2eSession::panel(const std::string &name) const
{
    std::istringstream in(ReadText(dir_ / "panel.txt"));
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(name + "=", 0) == 0) {
            return line.substr(name.size() + 1);
        }
    }
    return {};
}

bool E2eSession::waitForPanel(const std::string &name, const std::string &value,
                              int timeoutMs) const
{
    return WaitFor([&] { return panel(name) == value; }, timeoutMs);
}

std::string E2eSession::diagnostics() const
{
    std::string windows;
    std::istringstream ids(
        Capture({"xdotool", "search", "--onlyvisible", "--name", "."}, displayEnv()));
    for (std::string id; std::getline(ids, id);) {
        windows += "  " + id + " " + Capture({"xdotool", "getwindowname", id}, displayEnv()) + "\n";
    }
    return "program output:\n" + ReadText(dir_ / "program.out") + "windows:\n" + windows;
}

bool E2eSession::screenshot(const std::string &name)
{
    fs::create_directories(E2E_ARTIFACT_DIR);
    int code = -1;
    Capture({"import", "-window", "root", (fs::path(E2E_ARTIFACT_DIR) / name).string()},
            displayEnv(), &code);
    return code == 0;
}

} // namespace e2e
