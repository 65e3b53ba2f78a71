// Mouse lists: installing, hit-testing and dispatching clicks. Boxes are in
// pixels of the gauge's background, which the emulator draws at its own
// size, and so is the point a mouse callback receives.
#include "emulator/host_services.h"
#include "emulator/module_call.h"

namespace emu {

namespace {

bool inside(const PIXBOX& b, int x, int y) {
    return x >= b.x && y >= b.y && x - b.x < b.width && y - b.y < b.height;
}

// The parent rectangle with an all-zero box is the whole gauge.
bool inside_parent(const MOUSERECT& parent, PIXPOINT size, int x, int y) {
    const PIXBOX& b = parent.relative_box;
    if (b.x == 0 && b.y == 0 && b.width == 0 && b.height == 0) return inside(PIXBOX{0, 0, size.x, size.y}, x, y);
    return inside(b, x, y);
}

}  // namespace

void HostServices::install_mouse_list(Gauge& g, MOUSERECT* list, GAUGEHDR* header, const PIXPOINT* size) {
    const std::string who = "mouse_list_install: gauge " + g.name();
    if (list == nullptr) return fault(who + " passed no list");
    if (header != g.info_.header) return fault(who + " passed another gauge's header");
    std::size_t n = 0;
    while (n < max_mouse_records && list[n].rect_type != MOUSE_RECT_EOL) {
        if (list[n].rect_type > MOUSE_RECT_END_PARENT)
            return fault(who + ": record " + std::to_string(n) + " has unknown kind " + std::to_string(list[n].rect_type));
        ++n;
    }
    if (n == max_mouse_records) return fault(who + ": the list has no end record");
    if (size == nullptr) return fault(who + " passed no background size");
    if (size->x != g.size_.x || size->y != g.size_.y)
        fault(who + " passed a size of " + std::to_string(size->x) + "x" + std::to_string(size->y) +
              ", not its background's " + std::to_string(g.size_.x) + "x" + std::to_string(g.size_.y));
    g.mouse_list_ = list;
    g.mouse_size_ = *size;
}

const MOUSERECT* HostServices::hit(const Gauge& g, int x, int y, FLAGS32 event_flags, bool want_child) {
    if (!g.alive_ || !g.mouse_registered_ || g.mouse_list_ == nullptr) return nullptr;
    const MOUSERECT* parent = nullptr;
    for (const MOUSERECT* r = g.mouse_list_; r->rect_type != MOUSE_RECT_EOL; ++r) {
        if (r->rect_type == MOUSE_RECT_PARENT) {
            parent = r;
        } else if (r->rect_type == MOUSE_RECT_CHILD && inside(r->relative_box, x, y) &&
                   (event_flags == 0 || (r->mouse_flags & event_flags) != 0)) {
            if (!want_child && r->help_id == 0 && parent != nullptr) continue;
            return r;
        }
    }
    if (!want_child && parent != nullptr && inside_parent(*parent, g.size_, x, y)) return parent;
    return nullptr;
}

bool HostServices::send_mouse(Host& h, Gauge& g, int x, int y, FLAGS32 event_flags) {
    const MOUSERECT* r = hit(g, x, y, event_flags, true);
    if (r == nullptr) return false;
    Gauge* before = h.driving_;
    h.driving_ = &g;
    bind(g);
    if (r->mouse_function != nullptr) {
        PIXPOINT point{x, y};
        detail::call_module([&] { return "gauge " + g.name() + ": mouse function of the area at " + std::to_string(x) + "," + std::to_string(y); },
                            r->mouse_function, &point, event_flags);
    } else if (r->event_id != 0) {
        key_event(h, r->event_id, 0, HostEvent::Origin::mouse_area);
    }
    h.driving_ = before;
    return true;
}

bool Host::click(Gauge& gauge, int x, int y) { return HostServices::send_mouse(*this, gauge, x, y, MOUSE_LEFTSINGLE); }

bool Host::hold(Gauge& gauge, int x, int y, int repeats) {
    if (!click(gauge, x, y)) return false;
    for (int i = 0; i < repeats; ++i) HostServices::send_mouse(*this, gauge, x, y, MOUSE_DOWN_REPEAT);
    return true;
}

bool Host::repeat(Gauge& gauge, int x, int y) { return HostServices::send_mouse(*this, gauge, x, y, MOUSE_DOWN_REPEAT); }

bool Host::drag(Gauge& gauge, int x, int y) { return HostServices::send_mouse(*this, gauge, x, y, MOUSE_MOVE_HELD); }

ID32 Host::help_id_at(const Gauge& gauge, int x, int y) const {
    const MOUSERECT* r = HostServices::hit(gauge, x, y, 0, false);
    return r != nullptr ? r->help_id : 0;
}

ID32 Host::cursor_at(const Gauge& gauge, int x, int y) const {
    const MOUSERECT* r = HostServices::hit(gauge, x, y, 0, true);
    if (r == nullptr) r = HostServices::hit(gauge, x, y, 0, false);
    return r != nullptr ? r->cursor : CURSOR_NONE;
}

}  // namespace emu
