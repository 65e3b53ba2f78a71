#include "support/panel_survey.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

namespace survey {

std::vector<std::string> module_files(const std::string& dir) {
#if defined(_WIN32)
    const std::string extension = ".gau";
#else
    const std::string extension = ".so";
#endif
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (entry.is_regular_file() && entry.path().extension() == extension) out.push_back(entry.path().string());
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<GaugeRef> gauges_of(const std::vector<std::string>& module_files) {
    std::vector<GaugeRef> out;
    emu::Host host;
    for (const std::string& path : module_files) {
        emu::Module& m = host.load(path);
        for (const emu::GaugeInfo& g : m.gauges())
            out.push_back(GaugeRef{path, std::filesystem::path(path).stem().string(), g.name});
        host.unload(m);
    }
    return out;
}

std::vector<ID32> variable_tokens(const emu::Host& host, const emu::Gauge& gauge) {
    std::set<ID32> tokens;
    auto add = [&](const MODULE_VAR& v) {
        if (v.id != 0) tokens.insert(v.id);
    };
    for (const emu::ElementState& st : gauge.elements()) {
        ELEMENT_HEADER* e = st.element;
        switch (e->element_type) {
            case ELEMENT_TYPE_STRING:
                for (const MODULE_VAR& v : reinterpret_cast<const ELEMENT_STRING*>(e)->source_var) add(v);
                break;
            case ELEMENT_TYPE_ICON:
                add(reinterpret_cast<const ELEMENT_ICON*>(e)->source_var);
                break;
            case ELEMENT_TYPE_SLIDER:
                add(reinterpret_cast<const ELEMENT_SLIDER*>(e)->source_var_x);
                add(reinterpret_cast<const ELEMENT_SLIDER*>(e)->source_var_y);
                break;
            default:
                break;
        }
    }
    // Records of the module's own, bound or refreshed through the services.
    for (const emu::ServiceCall& c : host.service_calls())
        if ((c.service == "lookup_var" || c.service == "initialize_var") && c.argument != 0)
            tokens.insert(static_cast<ID32>(c.argument));
    return {tokens.begin(), tokens.end()};
}

std::vector<Area> mouse_areas(const emu::Gauge& gauge) {
    std::vector<Area> out;
    const MOUSERECT* r = gauge.mouse_list();
    if (r == nullptr) return out;
    for (; r->rect_type != MOUSE_RECT_EOL; ++r)
        if (r->rect_type == MOUSE_RECT_CHILD)
            out.push_back(Area{.box = r->relative_box, .flags = r->mouse_flags, .event_id = r->event_id,
                               .has_callback = r->mouse_function != nullptr});
    return out;
}

PIXPOINT point_in(const Area& area, unsigned fx, unsigned fy) {
    const auto along = [](SINT32 start, SINT32 length, unsigned f) {
        if (length <= 0) return start;
        return start + static_cast<SINT32>(static_cast<long long>(length) * (f & 0xFF) / 256);
    };
    return PIXPOINT{along(area.box.x, area.box.width, fx), along(area.box.y, area.box.height, fy)};
}

bool press(emu::Host& host, emu::Gauge& gauge, const Area& area) {
    const PIXPOINT p = point_in(area, 128, 128);
    if ((area.flags & MOUSE_LEFTSINGLE) == 0 && (area.flags & MOUSE_MOVE_HELD) != 0) return host.drag(gauge, p.x, p.y);
    return host.click(gauge, p.x, p.y);
}

}  // namespace survey
