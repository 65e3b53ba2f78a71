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

// A callback's result as a whole number of pixels or a frame number; a
// value that is not a number, or beyond any sensible range, counts as 0.
int whole(double v, int limit) {
    if (!(std::fabs(v) < static_cast<double>(limit))) return 0;
    return static_cast<int>(std::lround(v));
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
        buffers->texts.emplace_back();
        buffers->images.emplace_back();
        buffers->frames.emplace_back();

        const Bitmap* bitmap = nullptr;
        if (e->resource_id != RESOURCE_NONE) {
            bitmap = find_bitmap(all, e->resource_id, language);
            if (bitmap == nullptr)
                fault(describe(g, index) + ": the module has no bitmap " + std::to_string(e->resource_id));
        }
        switch (e->element_type) {
            case ELEMENT_TYPE_STATIC_IMAGE:
            case ELEMENT_TYPE_SLIDER:
                if (bitmap != nullptr) buffers->images[index] = image_of(*bitmap);
                st.bitmap = bitmap;
                break;
            case ELEMENT_TYPE_ICON: {
                // Frame 0 is the icon's own bitmap; frame k is the k-th bitmap
                // of the module above it in id order.
                const auto* icon = reinterpret_cast<ELEMENT_ICON*>(e);
                std::set<ID32> above;
                for (const Bitmap& b : all)
                    if (b.id > e->resource_id) above.insert(b.id);
                auto& frames = buffers->frames[index];
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
                auto& text = buffers->texts[index];
                text.assign(s->char_count + 1, text_fill);
                text.insert(text.end(), guard_bytes, guard_fill);
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
    buffers->links.resize(states.size() * Gauge::Buffers::links_per_element);
    buffers->installed = true;
    g.buffers_ = buffers;
    g.elements_ = std::move(states);
    g.size_ = g.buffers_->images[0] ? g.buffers_->images[0]->dim : PIXPOINT{0, 0};
    bind(g);
}

void HostServices::bind(Gauge& g) {
    if (g.buffers_ == nullptr) return;
    const bool live = g.buffers_->installed;
    for (std::size_t i = 0; i < g.elements_.size(); ++i) {
        ELEMENT_HEADER* e = g.elements_[i].element;
        IMAGE* img = live ? g.buffers_->images[i].get() : nullptr;
        switch (e->element_type) {
            case ELEMENT_TYPE_STATIC_IMAGE:
                reinterpret_cast<ELEMENT_STATIC_IMAGE*>(e)->image_data = img;
                break;
            case ELEMENT_TYPE_SLIDER:
                reinterpret_cast<ELEMENT_SLIDER*>(e)->image_data = img;
                break;
            case ELEMENT_TYPE_STRING:
                reinterpret_cast<ELEMENT_STRING*>(e)->string = live ? g.buffers_->texts[i].data() : nullptr;
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

void HostServices::update_elements(Gauge& g) {
    Host& h = *host();
    const bool v610 = g.info_.header_version == GAUGE_HEADER_VERSION_610;
    for (std::size_t i = 0; i < g.elements_.size(); ++i) {
        ElementState& st = g.elements_[i];
        ELEMENT_HEADER* e = st.element;
        Gauge::Buffers::VariableLink* links = &g.buffers_->links[i * Gauge::Buffers::links_per_element];
        switch (e->element_type) {
            case ELEMENT_TYPE_STRING: {
                auto* s = reinterpret_cast<ELEMENT_STRING*>(e);
                for (std::size_t k = 0; k < std::size(s->source_var); ++k) refresh_variable(h, s->source_var[k], links[k]);
                std::vector<char>& buffer = g.buffers_->texts[i];
                s->string = buffer.data();
                if (v610 && s->update_callback.value != nullptr)
                    st.value = detail::call_module(callback(g, i), s->update_callback.value, s->source_var[0].var_value.n);
                else if (!v610 && s->update_callback.element != nullptr)
                    st.value = detail::call_module(callback(g, i), s->update_callback.element, s);
                const std::size_t room = buffer.size() - guard_bytes;
                if (!guard_intact(buffer.data() + room)) {
                    fault(describe(g, i) + ": text written past its buffer of " + std::to_string(room) + " bytes");
                    std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(room), buffer.end(), guard_fill);
                }
                const void* zero = std::memchr(buffer.data(), '\0', room);
                if (zero == nullptr) fault(describe(g, i) + ": text not terminated within its buffer");
                const std::size_t length = zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - buffer.data()) : room;
                // Most texts stay the same from frame to frame: copied only when changed.
                if (!same_text(st.text, buffer.data(), length)) st.text.assign(buffer.data(), length);
                break;
            }
            case ELEMENT_TYPE_ICON: {
                auto* icon = reinterpret_cast<ELEMENT_ICON*>(e);
                refresh_variable(h, icon->source_var, links[0]);
                double v = icon->source_var.var_value.n;
                if (v610 && icon->update_callback.variable != nullptr)
                    v = detail::call_module(callback(g, i), icon->update_callback.variable, &icon->source_var);
                else if (!v610 && icon->update_callback.element != nullptr)
                    v = detail::call_module(callback(g, i), icon->update_callback.element, icon);
                st.value = v;
                const auto& frames = g.buffers_->frames[i];
                const int last = frames.empty() ? 0 : static_cast<int>(frames.size()) - 1;
                st.frame = std::clamp(whole(v, 1 << 20), 0, last);
                st.bitmap = frames.empty() ? nullptr : frames[static_cast<std::size_t>(st.frame)];
                break;
            }
            case ELEMENT_TYPE_SLIDER: {
                auto* s = reinterpret_cast<ELEMENT_SLIDER*>(e);
                refresh_variable(h, s->source_var_x, links[0]);
                refresh_variable(h, s->source_var_y, links[1]);
                const double x = s->update_x != nullptr ? detail::call_module(callback(g, i, " x"), s->update_x, s) : s->source_var_x.var_value.n;
                const double y = s->update_y != nullptr ? detail::call_module(callback(g, i, " y"), s->update_y, s) : s->source_var_y.var_value.n;
                const double scale_x = s->scale_x;
                const double scale_y = s->scale_y;
                st.value = y;
                // The host places a slider at its position plus value times scale.
                st.placed = PIXPOINT{e->position.x + whole(x * scale_x, 1 << 20),
                                     e->position.y + whole(y * scale_y, 1 << 20)};
                break;
            }
            default:
                break;
        }
    }
}

void HostServices::plot_elements(Gauge& g) {
    for (ElementState& st : g.elements_) st.hidden = (st.element->image_flags & IMAGE_HIDDEN) != 0;
}

void HostServices::kill_elements(Gauge& g) {
    g.buffers_->installed = false;
    bind(g);  // clears the records' text and image fields
    g.buffers_->texts.clear();
    g.buffers_->images.clear();
    g.buffers_->frames.clear();
    g.buffers_->links.clear();
}

}  // namespace emu
