#include "tools/bench/listing.h"

#include <cstring>
#include <sstream>

#include "tools/bench/values.h"

namespace bench {

std::string cursor_name(ID32 cursor) {
    switch (cursor) {
        case CURSOR_NONE: return "none";
        case CURSOR_UPARROW: return "up-arrow (1)";
        case CURSOR_DOWNARROW: return "down-arrow (2)";
        case CURSOR_HAND: return "hand (5)";
        default: return std::to_string(cursor);
    }
}

std::string mouse_flag_names(FLAGS32 flags) {
    std::string names;
    auto add = [&](FLAGS32 bit, const char* name) {
        if (flags & bit) names += (names.empty() ? "" : ", ") + std::string(name);
    };
    add(MOUSE_LEFTSINGLE, "left click");
    add(MOUSE_DOWN_REPEAT, "repeats while held");
    add(MOUSE_MOVE_HELD, "moves while held");
    const FLAGS32 other = flags & ~(MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT | MOUSE_MOVE_HELD);
    if (other != 0) names += (names.empty() ? "" : ", ") + std::string("other ") + hex(other);
    return hex(flags) + (names.empty() ? "" : " (" + names + ")");
}

namespace {

const char* type_name(ENUM32 type) {
    switch (type) {
        case ELEMENT_TYPE_STATIC_IMAGE: return "static image";
        case ELEMENT_TYPE_STRING: return "text";
        case ELEMENT_TYPE_SLIDER: return "slider";
        case ELEMENT_TYPE_ICON: return "icon";
        default: return "unknown type";
    }
}

std::string tokens(const MODULE_VAR* vars, std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += (i ? ", " : "") + (vars[i].id == 0 ? std::string("-") : hex(vars[i].id));
    return out;
}

std::string failures(const FAILURE_RECORD* list) {
    if (list == nullptr) return "none";
    std::ostringstream out;
    for (const FAILURE_RECORD* f = list; f->key != 0 || f->action != 0; ++f)
        out << (f == list ? "" : " ") << "(" << f->key << ", " << f->action << ")";
    return list->key == 0 && list->action == 0 ? "empty" : out.str();
}

void list_string(std::ostream& out, const ELEMENT_STRING& s) {
    const std::string face(s.font_face, strnlen(s.font_face, sizeof s.font_face));
    out << "\n       text: box " << s.box_width << " x " << s.box_height << ", " << s.char_count << " chars, font \"" << face
        << "\" weight " << s.font_weight << " charset " << s.font_charset << ", drawing flags " << hex(s.draw_text_flags)
        << "\n       colours: text " << hex(s.fg_color) << ", background " << hex(s.bg_color) << ", highlight "
        << hex(s.hilite_color) << "; tokens " << tokens(s.source_var, 3);
    if (s.highlight_list != nullptr) {
        out << "\n       highlights (selection, first, last):";
        for (const HIGHLIGHT_RECORD* h = s.highlight_list; h->selection_id != 0 || h->first_char != 0 || h->last_char != 0; ++h)
            out << " (" << h->selection_id << ", " << h->first_char << ", " << h->last_char << ")";
    }
}

void list_element(std::ostream& out, std::size_t index, const emu::ElementState& st) {
    const ELEMENT_HEADER& e = *st.element;
    out << "    " << index << ". " << type_name(e.element_type) << ", ";
    if (e.resource_id == RESOURCE_NONE)
        out << "no bitmap";
    else
        out << "bitmap " << e.resource_id
            << (st.bitmap ? " (" + std::to_string(st.bitmap->width) + " x " + std::to_string(st.bitmap->height) + ")" : " (missing)");
    out << ", at (" << e.position.x << ", " << e.position.y << "), image flags " << hex(e.image_flags)
        << ", failures " << failures(e.failure_systems);
    if (e.element_type == ELEMENT_TYPE_STRING) list_string(out, *reinterpret_cast<const ELEMENT_STRING*>(&e));
    if (e.element_type == ELEMENT_TYPE_ICON) {
        const auto& icon = *reinterpret_cast<const ELEMENT_ICON*>(&e);
        out << "\n       icon: " << icon.frame_count << " frames, token " << tokens(&icon.source_var, 1)
            << (icon.update_callback.element ? ", callback" : ", no callback");
    }
    if (e.element_type == ELEMENT_TYPE_SLIDER) {
        const auto& s = *reinterpret_cast<const ELEMENT_SLIDER*>(&e);
        out << "\n       slider: x token " << tokens(&s.source_var_x, 1) << " scale " << s.scale_x << ", y token "
            << tokens(&s.source_var_y, 1) << " scale " << s.scale_y;
    }
    out << "\n";
}

std::string help_name(ID32 id) { return id == 0 ? "none" : hex(id) + " (" + std::to_string(id) + ")"; }

std::string box(const PIXBOX& b) {
    std::ostringstream s;
    s << "(" << b.x << ", " << b.y << ", " << b.width << ", " << b.height << ")";
    return s.str();
}

void list_mouse(std::ostream& out, const MOUSERECT* list) {
    if (list == nullptr) {
        out << "  mouse areas: none\n";
        return;
    }
    out << "  mouse areas (box x, y, width, height):\n";
    int child = 0;
    for (const MOUSERECT* r = list; r->rect_type != MOUSE_RECT_EOL; ++r) {
        switch (r->rect_type) {
            case MOUSE_RECT_PARENT:
                out << "    parent " << box(r->relative_box) << (r->relative_box.width == 0 ? " (whole gauge)" : "")
                    << ", cursor " << cursor_name(r->cursor) << ", help " << help_name(r->help_id) << "\n";
                break;
            case MOUSE_RECT_CHILD:
                out << "    " << ++child << ". " << box(r->relative_box) << ", cursor " << cursor_name(r->cursor) << ", flags "
                    << mouse_flag_names(r->mouse_flags) << ", "
                    << (r->mouse_function != nullptr ? std::string("calls the gauge's handler")
                                                     : r->event_id != 0 ? "sends event " + hex(r->event_id) : std::string("does nothing"))
                    << ", help " << help_name(r->help_id) << "\n";
                break;
            case MOUSE_RECT_END_PARENT:
                out << "    end of parent\n";
                break;
            default:
                break;
        }
    }
}

}  // namespace

void list_gauge(std::ostream& out, const emu::Gauge& gauge) {
    const emu::GaugeInfo& info = gauge.info();
    out << "gauge \"" << info.name << "\": header " << info.header_version << ", " << info.size_x_mm << " mm across, "
        << gauge.size().x << " x " << gauge.size().y << " pixels\n";
    out << "  elements (tree order):\n";
    for (std::size_t i = 0; i < gauge.elements().size(); ++i) list_element(out, i, gauge.elements()[i]);
    list_mouse(out, gauge.mouse_list());
}

}  // namespace bench
