/* Clicks and keys in a KWin session through KWin's fake-input protocol
 * (org_kde_kwin_fake_input), for the dropper test on KDE:
 *   tonik_fake_input click X Y BUTTON    move to X Y, press and release (1 left, 3 right)
 *   tonik_fake_input key KEYCODE         press and release a key (a Linux key code)
 */
#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>
#include <wayland-client.h>

#include "fake-input-client-protocol.h"

static struct org_kde_kwin_fake_input* fakeInput;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    (void)data;
    if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        fakeInput = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4);
}

static void globalRemove(void* data, struct wl_registry* registry, uint32_t name)
{
    (void)data, (void)registry, (void)name;
}

static const struct wl_registry_listener LISTENER = {global, globalRemove};

/* Each event its own round trip, so that KWin handles them one after the other. */
static void Send(struct wl_display* display)
{
    wl_display_roundtrip(display);
    usleep(50000);
}

int main(int argc, char* argv[])
{
    if (argc < 3)
        return 2;
    struct wl_display* display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "no Wayland display\n");
        return 1;
    }
    wl_registry_add_listener(wl_display_get_registry(display), &LISTENER, NULL);
    wl_display_roundtrip(display);
    if (fakeInput == NULL) {
        fprintf(stderr, "KWin offers no fake input to this client\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(fakeInput, "Tonik's tests", "clicks and keys of the dropper test");
    if (strcmp(argv[1], "click") == 0 && argc == 5) {
        const uint32_t button = atoi(argv[4]) == 3 ? BTN_RIGHT : BTN_LEFT;
        org_kde_kwin_fake_input_pointer_motion_absolute(fakeInput, wl_fixed_from_int(atoi(argv[2])),
                                                        wl_fixed_from_int(atoi(argv[3])));
        Send(display);
        org_kde_kwin_fake_input_button(fakeInput, button, WL_POINTER_BUTTON_STATE_PRESSED);
        Send(display);
        org_kde_kwin_fake_input_button(fakeInput, button, WL_POINTER_BUTTON_STATE_RELEASED);
        Send(display);
    } else if (strcmp(argv[1], "key") == 0) {
        org_kde_kwin_fake_input_keyboard_key(fakeInput, (uint32_t)atoi(argv[2]), WL_KEYBOARD_KEY_STATE_PRESSED);
        Send(display);
        org_kde_kwin_fake_input_keyboard_key(fakeInput, (uint32_t)atoi(argv[2]), WL_KEYBOARD_KEY_STATE_RELEASED);
        Send(display);
    } else {
        return 2;
    }
    wl_display_disconnect(display);
    return 0;
}
