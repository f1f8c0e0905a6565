#include "platform/qt/ClipboardKeeper.h"

#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include "platform/File.h"
#include "platform/SaveFile.h"
#include "platform/qt/X11Connection.h"

namespace tonik {

const char CLIPBOARD_KEEPER_MODE[] = "--tonik-clipboard-keeper";

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    if (reply == nullptr)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

bool HasSelectionOwner(xcb_connection_t* connection, xcb_atom_t selection)
{
    xcb_get_selection_owner_reply_t* reply =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    if (reply == nullptr)
        return false;
    const bool owned = reply->owner != XCB_WINDOW_NONE;
    std::free(reply);
    return owned;
}

struct KeeperAtoms {
    xcb_atom_t clipboard, targets, utf8, text, plainUtf8, plain;
};

// Answers one request for the clipboard: the text, or the list of targets.
void Answer(xcb_connection_t* connection, const xcb_selection_request_event_t& request, const KeeperAtoms& atoms,
            const std::string& text)
{
    // Obsolete clients name no property: the target stands for it.
    const xcb_atom_t property = request.property != XCB_ATOM_NONE ? request.property : request.target;
    xcb_atom_t answered = property;
    const std::array<xcb_atom_t, 6> offered{atoms.targets, atoms.utf8, atoms.plainUtf8, atoms.text, XCB_ATOM_STRING,
                                            atoms.plain};
    // A property larger than one request allows would need the INCR protocol.
    const bool fits = text.size() + 64 < uint64_t(xcb_get_maximum_request_length(connection)) * 4;
    // STRING is Latin-1: offered only for text that is ASCII, as a code is.
    const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
    if (request.selection != atoms.clipboard) {
        answered = XCB_ATOM_NONE;
    } else if (request.target == atoms.targets) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32,
                            uint32_t(offered.size()), offered.data());
    } else if (fits &&
               (request.target == atoms.utf8 || request.target == atoms.plainUtf8 || request.target == atoms.text)) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property,
                            request.target == atoms.plainUtf8 ? atoms.plainUtf8 : atoms.utf8, 8,
                            uint32_t(text.size()), text.data());
    } else if (fits && ascii && (request.target == XCB_ATOM_STRING || request.target == atoms.plain)) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property, request.target, 8,
                            uint32_t(text.size()), text.data());
    } else {
        answered = XCB_ATOM_NONE;
    }
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = answered;
    xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&notify));
    xcb_flush(connection);
}

// The keeper's life: take the clipboard on display, say so through ready,
// serve the text until another program takes the clipboard or the X server
// goes away.
int ServeClipboard(const std::string& text, const char* display, int ready)
{
    xcb_connection_t* connection = xcb_connect(display != nullptr && *display != '\0' ? display : nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const KeeperAtoms atoms{Atom(connection, "CLIPBOARD"), Atom(connection, "TARGETS"),
                            Atom(connection, "UTF8_STRING"), Atom(connection, "TEXT"),
                            Atom(connection, "text/plain;charset=utf-8"), Atom(connection, "text/plain")};
    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_set_selection_owner(connection, window, atoms.clipboard, XCB_CURRENT_TIME);
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atoms.clipboard), nullptr);
    const bool owns = owner != nullptr && owner->owner == window;
    std::free(owner);
    if (!owns) {
        xcb_disconnect(connection);
        return 1;
    }
    (void)!write(ready, "1", 1);
    close(ready);

    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const uint8_t type = event->response_type & 0x7F;
        if (type == XCB_SELECTION_REQUEST)
            Answer(connection, *reinterpret_cast<xcb_selection_request_event_t*>(event), atoms, text);
        std::free(event);
        if (type == XCB_SELECTION_CLEAR)
            break;
    }
    xcb_disconnect(connection);
    return 0;
}

}  // namespace

std::optional<std::string> ClipboardTextToKeep()
{
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr)
        return std::nullopt;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->ownsClipboard())
        return std::nullopt;
    if (HasSelectionOwner(connection, Atom(connection, "CLIPBOARD_MANAGER")))
        return std::nullopt;
    return clipboard->text().toStdString();
}

bool KeepClipboardText(const std::string& text, const std::string& display)
{
    int input[2];
    int ready[2];
    if (pipe2(input, O_CLOEXEC) != 0)
        return false;
    if (pipe2(ready, O_CLOEXEC) != 0) {
        close(input[0]);
        close(input[1]);
        return false;
    }
    const char* const arguments[] = {"tonik-clipboard", CLIPBOARD_KEEPER_MODE, display.c_str(), nullptr};
    const pid_t keeper = fork();
    if (keeper == 0) {
        // Between fork and exec only what is safe in a threaded process. The
        // keeper gets the text on standard input, /dev/null for output, the
        // ready pipe as descriptor 3 and nothing else of Tonik's: no D-Bus
        // connection, no hold on the terminal or on the folder Tonik ran in.
        const int null = open("/dev/null", O_RDWR | O_CLOEXEC);
        const int from = fcntl(input[0], F_DUPFD_CLOEXEC, 10);
        const int answer = fcntl(ready[1], F_DUPFD_CLOEXEC, 10);
        const int nothing = fcntl(null, F_DUPFD_CLOEXEC, 10);
        if (from < 0 || answer < 0 || nothing < 0 || dup2(from, STDIN_FILENO) < 0 ||
            dup2(nothing, STDOUT_FILENO) < 0 || dup2(nothing, STDERR_FILENO) < 0 || dup2(answer, 3) < 0)
            _exit(127);
        close_range(4, ~0U, 0);
        setsid();
        if (chdir("/") != 0)
            _exit(127);
        execv(RUNNING_IMAGE, const_cast<char* const*>(arguments));
        _exit(127);
    }
    close(input[0]);
    close(ready[1]);
    // A keeper that ends early must not end Tonik with SIGPIPE.
    signal(SIGPIPE, SIG_IGN);
    bool sent = keeper > 0;
    for (size_t done = 0; sent && done < text.size();) {
        const ssize_t n = write(input[1], text.data() + done, text.size() - done);
        sent = n > 0 || (n < 0 && errno == EINTR);
        done += n > 0 ? size_t(n) : 0;
    }
    close(input[1]);
    // Tonik ends once the keeper serves the text, so that no paste between
    // the two finds the clipboard empty.
    pollfd wait{ready[0], POLLIN, 0};
    char answer = 0;
    const bool kept = sent && poll(&wait, 1, 2000) == 1 && read(ready[0], &answer, 1) == 1;
    close(ready[0]);
    return kept;
}

int RunClipboardKeeper(const char* display)
{
    prctl(PR_SET_NAME, "tonik-clipboard");
    std::string text;
    ReadFileContent("/dev/stdin", text);
    // The text is in: standard input goes to /dev/null, as the output did.
    if (const int null = open("/dev/null", O_RDONLY); null >= 0) {
        dup2(null, STDIN_FILENO);
        close(null);
    }
    return ServeClipboard(text, display, 3);
}

}  // namespace tonik
