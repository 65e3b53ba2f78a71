#include "tools/bench/render.h"

#include <cstring>

#include "tools/bench/errors.h"
#include "tools/bench/text_drawing.h"

namespace bench {

std::vector<bool> highlighted(const ELEMENT_STRING& element, SINT32 selection, std::size_t length) {
    std::vector<bool> out(length, false);
    if (selection == 0 || element.highlight_list == nullptr) return out;
    for (const HIGHLIGHT_RECORD* r = element.highlight_list; r->selection_id != 0 || r->first_char != 0 || r->last_char != 0; ++r) {
        if (r->selection_id != selection) continue;
        for (SINT32 i = r->first_char; i <= r->last_char; ++i)
            if (i >= 0 && static_cast<std::size_t>(i) < length) out[static_cast<std::size_t>(i)] = true;
    }
    return out;
}

namespace {

void draw_string(RgbImage& image, const emu::Host& host, const emu::ElementState& st, int scale, FontBook& fonts) {
    const auto& s = *reinterpret_cast<const ELEMENT_STRING*>(st.element);
    const TextBox box{st.placed.x * scale, st.placed.y * scale, s.box_width * scale, s.box_height * scale};
    image.fill(box.x, box.y, box.width, box.height, from_colorref(s.bg_color));
    const std::vector<bool> lit = highlighted(s, host.radio_selection(), st.text.size());
    std::vector<Rgb> colours;
    for (bool h : lit) colours.push_back(from_colorref(h ? s.hilite_color : s.fg_color));
    const std::string face(s.font_face, strnlen(s.font_face, sizeof s.font_face));
    draw_text(image, box, st.text, colours, s.char_count, s.draw_text_flags, fonts.find(face));
}

}  // namespace

RgbImage render(const emu::Host& host, const emu::Gauge& gauge, int scale, FontBook& fonts) {
    const PIXPOINT size = gauge.size();
    if (size.x <= 0 || size.y <= 0) throw Error("gauge " + gauge.name() + " has no background picture to draw on");
    RgbImage image(size.x * scale, size.y * scale);
    for (const emu::ElementState& st : gauge.elements()) {
        if (st.hidden) continue;
        if (st.element->element_type == ELEMENT_TYPE_STRING) {
            draw_string(image, host, st, scale, fonts);
        } else if (st.bitmap != nullptr) {
            image.draw(*st.bitmap, st.placed.x * scale, st.placed.y * scale, scale,
                       (st.element->image_flags & IMAGE_USE_TRANSPARENCY) != 0);
        }
    }
    return image;
}

}  // namespace bench
