// Element lists: what the host does when a gauge installs, initialises,
// updates, draws and kills its element tree. The host owns every loaded
// image and text buffer; each text buffer is the element's character count
// plus the terminating zero, handed out filled with a non-zero pattern and
// followed by guard bytes that must survive every callback.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>

#include "emulator/host_services.h"
#include "emulator/module_call.h"

namespace emu {

namespace {

const Bitmap* find_bitmap(const std::vector<Bitmap>& all, ID32 id, std::uint16_t language) {
    const Bitmap* first = nullptr;
    for (const Bitmap& b : all) {
        if (b.id != id) continue;
        if (b.language == language) return &b;
        if (first == nullptr) first = &b;
    }
    return first;
}

std::unique_ptr<IMAGE> image_of(const Bitmap& b) {
    auto img = std::make_unique<IMAGE>();
    img->format = 8;
    img->dim = PIXPOINT{b.width, b.height};
    img->line_bytes = static_cast<std::uint32_t>(b.width);
    img->pixels = const_cast<std::uint8_t*>(b.pixels.data());
    img->palette = b.palette.data();
    return img;
}

std::string describe(const Gauge& g, std::size_t index) {
    return "gauge " + g.name() + " element " + std::to_string(index);
}

// An element's update callback, as a fault names it.
auto callback(const Gauge& g, std::size_t index, const char* which = "") {
    return [&g, index, which] { return describe(g, index) + ": update callback" + which; };
}

// The guard bytes behind a text buffer, read as two words: cheaper than a
// byte loop or memcmp (which sanitizer builds intercept).
bool guard_intact(const char* guard) {
    static_assert(HostServices::guard_bytes == 2 * sizeof(std::uint64_t));
    constexpr std::uint64_t fill = 0x0101010101010101ULL * static_cast<unsigned char>(HostServices::guard_fill);
    std::uint64_t a, b;
    std::memcpy(&a, guard, sizeof a);
    std::memcpy(&b, guard + sizeof a, sizeof b);
    return a == fill && b == fill;
}

// Word by word, then the rest byte by byte.
bool same_text(const std::string& text, const char* buffer, std::size_t length) {
    if (text.size() != length) return false;
    std::size_t i = 0;
    for (; i + sizeof(std::uint64_t) <= length; i += sizeof(std::uint64_t)) {
        std::uint64_t a, b;
        std::memcpy(&a, text.data() + i, sizeof a);
        std::memcpy(&b, buffer + i, sizeof b);
        if (a != b) return false;
    }
    for (; i < length; ++i)
        if (text[i] != buffer[i]) return false;
    return true;
}

// Whether the buffer's first `words` words are as they were after the last
// terminated text.
bool same_words(const char* buffer, const char* last, std::size_t words) {
    for (std::size_t k = 0; k < words; ++k) {
        std::uint64_t a, b;
        std::memcpy(&a, buffer + k * sizeof a, sizeof a);
        std::memcpy(&b, last + k * sizeof b, sizeof b);
        if (a != b) return false;
    }
    return true;
}

// A callback's result as a whole number of pixels or a frame number,
// rounded half away from zero; a value that is not a number, or beyond any
// sensible range, counts as 0. Within the limit the truncation and the
// fraction are exact, so this is lround without the library call.
int whole(double v, int limit) {
    if (!(std::fabs(v) < static_cast<double>(limit))) return 0;
    int n = static_cast<int>(v);
    const double fraction = v - n;
    if (fraction >= 0.5) ++n;
    else if (fraction <= -0.5) --n;
    return n;
}

}  // namespace

void HostServices::install_elements(Gauge& g, ELEMENT_HEADER* root, MODULE_HANDLE instance) {
    if (root == nullptr) return fault("element_list_install: gauge " + g.name() + " passed no root");
    if (g.buffers_ != nullptr && g.buffers_->installed)
        return fault("element_list_install: gauge " + g.name() + " installed its element list twice");
    if (instance != g.module().instance())
        fault("element_list_install: gauge " + g.name() + " passed an instance handle that is not its module's");

    auto buffers = std::make_shared<Gauge::Buffers>();
    buffers->root = root;
    std::vector<ElementState> states;
    std::set<ELEMENT_HEADER*> seen;
    const std::vector<Bitmap>& all = *g.module().resources_->bitmaps;
    const std::uint16_t language = host()->resource_language();

    // Depth first: an element, then its children in list order.
    std::vector<ELEMENT_HEADER*> pending{root};
    while (!pending.empty()) {
        ELEMENT_HEADER* e = pending.back();
        pending.pop_back();
        if (!seen.insert(e).second || states.size() >= max_elements)
            return fault("element_list_install: gauge " + g.name() + " has a looping or oversized element tree");
        const std::size_t index = states.size();
        ElementState st;
        st.element = e;
        st.placed = e->position;
        Gauge::Buffers::Element& held = buffers->elements.emplace_back();

        const Bitmap* bitmap = nullptr;
        if (e->resource_id != RESOURCE_NONE) {
            bitmap = find_bitmap(all, e->resource_id, language);
            if (bitmap == nullptr)
                fault(describe(g, index) + ": the module has no bitmap " + std::to_string(e->resource_id));
        }
        switch (e->element_type) {
            case ELEMENT_TYPE_STATIC_IMAGE:
            case ELEMENT_TYPE_SLIDER:
                if (bitmap != nullptr) held.image = image_of(*bitmap);
                st.bitmap = bitmap;
                break;
            case ELEMENT_TYPE_ICON: {
                // Frame 0 is the icon's own bitmap; frame k is the k-th bitmap
                // of the module above it in id order.
                const auto* icon = reinterpret_cast<ELEMENT_ICON*>(e);
                std::set<ID32> above;
                for (const Bitmap& b : all)
                    if (b.id > e->resource_id) above.insert(b.id);
                auto& frames = held.frames;
                frames.push_back(bitmap);
                for (auto it = above.begin(); frames.size() < icon->frame_count && it != above.end(); ++it)
                    frames.push_back(find_bitmap(all, *it, language));
                if (frames.size() < icon->frame_count)
                    fault(describe(g, index) + ": the module has too few bitmaps for the icon's frames");
                st.bitmap = bitmap;
                break;
            }
            case ELEMENT_TYPE_STRING: {
                const auto* s = reinterpret_cast<ELEMENT_STRING*>(e);
                if (s->char_count > 4096) return fault(describe(g, index) + ": implausible character count");
                held.room = s->char_count + 1;
                held.text.assign(held.room, text_fill);
                held.text.insert(held.text.end(), guard_bytes, guard_fill);
                held.text.insert(held.text.end(), held.compared_words() * 8, '\0');  // no text seen yet
                break;
            }
            default:
                fault(describe(g, index) + ": unknown element type " + std::to_string(e->element_type));
                break;
        }
        states.push_back(st);
        if (e->next_element != nullptr) {
            std::vector<ELEMENT_HEADER*> children;
            for (ELEMENT_HEADER** c = e->next_element; *c != nullptr && children.size() < max_elements; ++c)
                children.push_back(*c);
            pending.insert(pending.end(), children.rbegin(), children.rend());
        }
    }
    buffers->installed = true;
    g.buffers_ = buffers;
    g.elements_ = std::move(states);
    g.size_ = g.buffers_->elements[0].image ? g.buffers_->elements[0].image->dim : PIXPOINT{0, 0};
    rebind(g);
}

void HostServices::rebind(Gauge& g) {
    if (g.binding_ != nullptr) *g.binding_ = nullptr;
    bind(g);
}

void HostServices::bind_records(Gauge& g) {
    const bool live = g.buffers_->installed;
    if (g.binding_ != nullptr) *g.binding_ = live ? &g : nullptr;
    for (std::size_t i = 0; i < g.elements_.size(); ++i) {
        ELEMENT_HEADER* e = g.elements_[i].element;
        Gauge::Buffers::Element& held = g.buffers_->elements[i];
        IMAGE* img = live ? held.image.get() : nullptr;
        switch (e->element_type) {
            case ELEMENT_TYPE_STATIC_IMAGE:
                reinterpret_cast<ELEMENT_STATIC_IMAGE*>(e)->image_data = img;
                break;
            case ELEMENT_TYPE_SLIDER:
                reinterpret_cast<ELEMENT_SLIDER*>(e)->image_data = img;
                break;
            case ELEMENT_TYPE_STRING:
                reinterpret_cast<ELEMENT_STRING*>(e)->string = live ? held.text.data() : nullptr;
                break;
            default:
                break;
        }
    }
}

void HostServices::initialize_elements(Gauge& g) {
    Host& h = *host();
    for (ElementState& st : g.elements_) {
        ELEMENT_HEADER* e = st.element;
        if (e->element_type == ELEMENT_TYPE_STRING) {
            for (MODULE_VAR& v : reinterpret_cast<ELEMENT_STRING*>(e)->source_var) bind_variable(h, v);
        } else if (e->element_type == ELEMENT_TYPE_ICON) {
            bind_variable(h, reinterpret_cast<ELEMENT_ICON*>(e)->source_var);
        } else if (e->element_type == ELEMENT_TYPE_SLIDER) {
            bind_variable(h, reinterpret_cast<ELEMENT_SLIDER*>(e)->source_var_x);
            bind_variable(h, reinterpret_cast<ELEMENT_SLIDER*>(e)->source_var_y);
        }
    }
}

// A text that differs from the buffer's last terminated one: checked for
// its zero and kept.
void HostServices::take_new_text(const Gauge& g, std::size_t i, ElementState& st, Gauge::Buffers::Element& held) {
    const char* buffer = held.text.data();
    const std::size_t room = held.room;
    const void* zero = std::memchr(buffer, '\0', room);
    if (zero == nullptr) {
        HostServices::fault(describe(g, i) + ": text not terminated within its buffer");
        held.last_seen = false;
        if (!same_text(st.text, buffer, room)) st.text.assign(buffer, room);
        return;
    }
    const std::size_t length = static_cast<std::size_t>(static_cast<const char*>(zero) - buffer);
    if (!same_text(st.text, buffer, length)) st.text.assign(buffer, length);
    std::memcpy(held.text.data() + room + HostServices::guard_bytes, buffer, held.compared_words() * 8);
    held.last_seen = true;
}

void HostServices::repair_guard(const Gauge& g, std::size_t i, Gauge::Buffers::Element& held) {
    HostServices::fault(describe(g, i) + ": text written past its buffer of " + std::to_string(held.room) + " bytes");
    std::fill_n(held.text.data() + held.room, HostServices::guard_bytes, HostServices::guard_fill);
}

inline void HostServices::update_text(Host& h, const Gauge& g, std::size_t i, ElementState& st, Gauge::Buffers::Element& held,
                                      bool v610) {
    auto* s = reinterpret_cast<ELEMENT_STRING*>(st.element);
    refresh_variable(h, s->source_var[0], held.links[0]);
    refresh_variable(h, s->source_var[1], held.links[1]);
    refresh_variable(h, s->source_var[2], held.links[2]);
    char* buffer = held.text.data();
    s->string = buffer;
    if (v610) {
        if (s->update_callback.value != nullptr)
            st.value = detail::call_module(callback(g, i), s->update_callback.value, s->source_var[0].var_value.n);
    } else if (s->update_callback.element != nullptr) {
        st.value = detail::call_module(callback(g, i), s->update_callback.element, s);
    }
    if (!guard_intact(buffer + held.room)) repair_guard(g, i, held);
    // Most texts stay the same from frame to frame: a buffer as it was after
    // the last terminated text holds that text still.
    if (held.last_seen && same_words(buffer, buffer + held.room + guard_bytes, held.compared_words())) return;
    take_new_text(g, i, st, held);
}

inline void HostServices::update_icon(Host& h, const Gauge& g, std::size_t i, ElementState& st, Gauge::Buffers::Element& held,
                                      bool v610) {
    auto* icon = reinterpret_cast<ELEMENT_ICON*>(st.element);
    refresh_variable(h, icon->source_var, held.links[0]);
    double v = icon->source_var.var_value.n;
    if (v610) {
        if (icon->update_callback.variable != nullptr)
            v = detail::call_module(callback(g, i), icon->update_callback.variable, &icon->source_var);
    } else if (icon->update_callback.element != nullptr) {
        v = detail::call_module(callback(g, i), icon->update_callback.element, icon);
    }
    st.value = v;
    const auto& frames = held.frames;
    const int last = frames.empty() ? 0 : static_cast<int>(frames.size()) - 1;
    st.frame = std::clamp(whole(v, 1 << 20), 0, last);
    st.bitmap = frames.empty() ? nullptr : frames[static_cast<std::size_t>(st.frame)];
}

void HostServices::update_slider(Host& h, const Gauge& g, std::size_t i, ElementState& st, Gauge::Buffers::Element& held) {
    ELEMENT_HEADER* e = st.element;
    auto* s = reinterpret_cast<ELEMENT_SLIDER*>(e);
    refresh_variable(h, s->source_var_x, held.links[0]);
    refresh_variable(h, s->source_var_y, held.links[1]);
    const double x = s->update_x != nullptr ? detail::call_module(callback(g, i, " x"), s->update_x, s) : s->source_var_x.var_value.n;
    const double y = s->update_y != nullptr ? detail::call_module(callback(g, i, " y"), s->update_y, s) : s->source_var_y.var_value.n;
    const double scale_x = s->scale_x;
    const double scale_y = s->scale_y;
    st.value = y;
    // The host places a slider at its position plus value times scale.
    st.placed = PIXPOINT{e->position.x + whole(x * scale_x, 1 << 20), e->position.y + whole(y * scale_y, 1 << 20)};
}

void HostServices::update_elements(Gauge& g) {
    Host& h = *host();
    const bool v610 = g.info_.header_version == GAUGE_HEADER_VERSION_610;
    // While the callbacks run the gauge cannot install or kill its list
    // (the services refuse), so the element arrays stay where they are.
    Gauge::Buffers& buffers = *g.buffers_;
    ElementState* states = g.elements_.data();
    Gauge::Buffers::Element* held = buffers.elements.data();
    const std::size_t count = g.elements_.size();
    buffers.updating = true;
    for (std::size_t i = 0; i < count; ++i) {
        const ENUM32 type = states[i].element->element_type;
        if (type == ELEMENT_TYPE_STRING) update_text(h, g, i, states[i], held[i], v610);
        else if (type == ELEMENT_TYPE_ICON) update_icon(h, g, i, states[i], held[i], v610);
        else if (type == ELEMENT_TYPE_SLIDER) update_slider(h, g, i, states[i], held[i]);
    }
    buffers.updating = false;
}

void HostServices::plot_elements(Gauge& g) {
    ElementState* st = g.elements_.data();
    ElementState* const end = st + g.elements_.size();
    for (; st != end; ++st) st->hidden = (st->element->image_flags & IMAGE_HIDDEN) != 0;
}

void HostServices::kill_elements(Gauge& g) {
    g.buffers_->installed = false;
    rebind(g);  // clears the records' text and image fields
    g.buffers_->elements.clear();
}

}  // namespace emu
