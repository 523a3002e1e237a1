/* A keyboard for a headless weston, which has none, so that tests type into
 * real windows as a user does, natively and on Xwayland alike:
 *   KV_WESTON_KEYS=FIFO weston --modules=/path/to/weston_keyboard.so ...
 * It adds a seat with one keyboard in the Russian layout and types what is
 * written to the FIFO, one character every 40 ms: each as its key (with
 * Shift for the upper level), a tab as Tab, a newline as Enter, ESC as
 * Escape. A character the layout lacks is skipped and said on stderr.
 * It also offers what weston 10 lacks, a window's way forward
 * (xdg_activation_v1), for the one token in KV_WESTON_TOKEN, as a desktop
 * hands it to its notification service: activated with it, a window takes
 * the keyboard and goes to the top of its layer. */
#define _GNU_SOURCE
#include <fcntl.h>
#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

#include <libweston/libweston.h>
#include <xkbcommon/xkbcommon.h>

/* libweston exports these to its backends without a public header. */
void weston_seat_init(struct weston_seat *seat, struct weston_compositor *ec, const char *name);
int weston_seat_init_keyboard(struct weston_seat *seat, struct xkb_keymap *keymap);
void notify_key(struct weston_seat *seat, const struct timespec *time, uint32_t key,
		enum wl_keyboard_key_state state, enum weston_key_state_update update);
void weston_seat_set_keyboard_focus(struct weston_seat *seat, struct weston_surface *surface);

enum { PACE_MS = 40 };

struct keyboard {
	struct weston_seat seat;
	struct xkb_keymap *keymap;
	struct wl_event_source *timer;
	char pending[4096];
	size_t length;
};

/* The evdev key and level that give code point c, or 0. */
static uint32_t key_for(struct xkb_keymap *keymap, uint32_t c, int *level)
{
	if (c == '\n')
		c = '\r'; /* Return's character */
	for (xkb_keycode_t k = xkb_keymap_min_keycode(keymap); k <= xkb_keymap_max_keycode(keymap); k++)
		for (*level = 0; *level < 2; (*level)++) {
			const xkb_keysym_t *syms;
			int n = xkb_keymap_key_get_syms_by_level(keymap, k, 0, *level, &syms);
			if (n == 1 && xkb_keysym_to_utf32(syms[0]) == c)
				return k - 8;
		}
	return 0;
}

/* The first UTF-8 character of s (n bytes): its code point and length, or 0
 * when it is not whole yet. */
static size_t utf8(const char *s, size_t n, uint32_t *c)
{
	const unsigned char b = (unsigned char)s[0];
	const size_t len = b < 0x80 ? 1 : b >= 0xf0 ? 4 : b >= 0xe0 ? 3 : b >= 0xc0 ? 2 : 1;
	if (n < len)
		return 0;
	*c = len == 1 ? b : b & (0x7f >> len);
	for (size_t i = 1; i < len; i++)
		*c = (*c << 6) | ((unsigned char)s[i] & 0x3f);
	return len;
}

static void press(struct keyboard *kb, uint32_t key, enum wl_keyboard_key_state state)
{
	struct timespec now;
	weston_compositor_get_time(&now);
	notify_key(&kb->seat, &now, key, state, STATE_UPDATE_AUTOMATIC);
}

static int type_next(void *data)
{
	struct keyboard *kb = data;
	uint32_t c;
	int level;
	size_t len = kb->length ? utf8(kb->pending, kb->length, &c) : 0;
	if (len == 0)
		return 0;
	uint32_t key = key_for(kb->keymap, c, &level);
	if (key == 0)
		fprintf(stderr, "weston_keyboard: no key for U+%04X\n", c);
	else {
		if (level)
			press(kb, KEY_LEFTSHIFT, WL_KEYBOARD_KEY_STATE_PRESSED);
		press(kb, key, WL_KEYBOARD_KEY_STATE_PRESSED);
		press(kb, key, WL_KEYBOARD_KEY_STATE_RELEASED);
		if (level)
			press(kb, KEY_LEFTSHIFT, WL_KEYBOARD_KEY_STATE_RELEASED);
	}
	kb->length -= len;
	memmove(kb->pending, kb->pending + len, kb->length);
	if (kb->length)
		wl_event_source_timer_update(kb->timer, PACE_MS);
	return 0;
}

static int readable(int fd, uint32_t mask, void *data)
{
	struct keyboard *kb = data;
	(void)mask;
	const int idle = kb->length == 0;
	ssize_t n = read(fd, kb->pending + kb->length, sizeof kb->pending - kb->length);
	if (n > 0) {
		kb->length += (size_t)n;
		if (idle)
			wl_event_source_timer_update(kb->timer, PACE_MS);
	}
	return 0;
}

/* xdg_activation_v1 by hand: weston 10 ships no description of it. */
static const struct wl_interface token_interface;
static const struct wl_interface *types[] = {NULL, &token_interface, NULL, &wl_surface_interface,
					      NULL, &wl_seat_interface, &wl_surface_interface};
static const struct wl_message activation_requests[] = {
	{"destroy", "", types}, {"get_activation_token", "n", types + 1}, {"activate", "so", types + 2}};
static const struct wl_interface activation_interface = {"xdg_activation_v1", 1, 3, activation_requests, 0, NULL};
static const struct wl_message token_requests[] = {{"set_serial", "uo", types + 4}, {"set_app_id", "s", types},
						   {"set_surface", "o", types + 6}, {"commit", "", types},
						   {"destroy", "", types}};
static const struct wl_message token_events[] = {{"done", "s", types}};
static const struct wl_interface token_interface = {"xdg_activation_token_v1", 1, 5, token_requests, 1, token_events};

static void destroy(struct wl_client *client, struct wl_resource *resource)
{
	(void)client;
	wl_resource_destroy(resource);
}
/* What a token says of its asker does not matter here. */
static void ignore_uo(struct wl_client *c, struct wl_resource *r, uint32_t u, struct wl_resource *o)
{
	(void)c;
	(void)r;
	(void)u;
	(void)o;
}
static void ignore_s(struct wl_client *c, struct wl_resource *r, const char *s)
{
	(void)c;
	(void)r;
	(void)s;
}
static void ignore_o(struct wl_client *c, struct wl_resource *r, struct wl_resource *o)
{
	(void)c;
	(void)r;
	(void)o;
}
/* A token asked of this compositor activates nothing: the program's own
 * windows come forward by being shown, and by the desktop's token alone. */
static void commit(struct wl_client *client, struct wl_resource *resource)
{
	(void)client;
	wl_resource_post_event(resource, 0, "refused");
}
static const struct {
	void (*set_serial)(struct wl_client *, struct wl_resource *, uint32_t, struct wl_resource *);
	void (*set_app_id)(struct wl_client *, struct wl_resource *, const char *);
	void (*set_surface)(struct wl_client *, struct wl_resource *, struct wl_resource *);
	void (*commit)(struct wl_client *, struct wl_resource *);
	void (*destroy)(struct wl_client *, struct wl_resource *);
} token_implementation = {ignore_uo, ignore_s, ignore_o, commit, destroy};

static void get_token(struct wl_client *client, struct wl_resource *resource, uint32_t id)
{
	struct wl_resource *token = wl_resource_create(client, &token_interface, 1, id);
	if (token)
		wl_resource_set_implementation(token, &token_implementation, NULL, NULL);
	else
		wl_resource_post_no_memory(resource);
}

static void activate(struct wl_client *client, struct wl_resource *resource, const char *token,
		     struct wl_resource *surface_resource)
{
	(void)client;
	struct keyboard *kb = wl_resource_get_user_data(resource);
	struct weston_surface *surface = wl_resource_get_user_data(surface_resource);
	const char *valid = getenv("KV_WESTON_TOKEN");
	if (!valid || strcmp(token, valid) != 0 || wl_list_empty(&surface->views)) {
		if (strcmp(token, "refused") != 0)
			fprintf(stderr, "weston_keyboard: no activation for token %s\n", token);
		return;
	}
	struct weston_view *view = wl_container_of(surface->views.next, view, surface_link);
	struct weston_layer *layer = view->layer_link.layer;
	if (layer) {
		weston_layer_entry_remove(&view->layer_link);
		weston_layer_entry_insert(&layer->view_list, &view->layer_link);
		weston_view_geometry_dirty(view);
		weston_view_schedule_repaint(view);
	}
	weston_seat_set_keyboard_focus(&kb->seat, surface);
}
static const struct {
	void (*destroy)(struct wl_client *, struct wl_resource *);
	void (*get_activation_token)(struct wl_client *, struct wl_resource *, uint32_t);
	void (*activate)(struct wl_client *, struct wl_resource *, const char *, struct wl_resource *);
} activation_implementation = {destroy, get_token, activate};

static void bind_activation(struct wl_client *client, void *data, uint32_t version, uint32_t id)
{
	struct wl_resource *resource = wl_resource_create(client, &activation_interface, version, id);
	if (resource)
		wl_resource_set_implementation(resource, &activation_implementation, data, NULL);
	else
		wl_client_post_no_memory(client);
}

WL_EXPORT int wet_module_init(struct weston_compositor *compositor, int *argc, char *argv[])
{
	(void)argc;
	(void)argv;
	const char *path = getenv("KV_WESTON_KEYS");
	/* Opened for writing too, so that a writer's going leaves no end of file. */
	int fd = path ? open(path, O_RDWR | O_NONBLOCK | O_CLOEXEC) : -1;
	if (fd < 0) {
		fprintf(stderr, "weston_keyboard: KV_WESTON_KEYS names no FIFO\n");
		return -1;
	}
	struct keyboard *kb = calloc(1, sizeof *kb);
	struct xkb_context *xkb = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
	const struct xkb_rule_names names = {.rules = "evdev", .model = "pc105", .layout = "ru"};
	kb->keymap = xkb ? xkb_keymap_new_from_names(xkb, &names, XKB_KEYMAP_COMPILE_NO_FLAGS) : NULL;
	if (!kb->keymap) {
		fprintf(stderr, "weston_keyboard: no Russian keymap\n");
		return -1;
	}
	weston_seat_init(&kb->seat, compositor, "keyboard");
	if (weston_seat_init_keyboard(&kb->seat, kb->keymap) < 0)
		return -1;
	struct wl_event_loop *loop = wl_display_get_event_loop(compositor->wl_display);
	wl_global_create(compositor->wl_display, &activation_interface, 1, kb, bind_activation);
	kb->timer = wl_event_loop_add_timer(loop, type_next, kb);
	wl_event_loop_add_fd(loop, fd, WL_EVENT_READABLE, readable, kb);
	return 0;
}
