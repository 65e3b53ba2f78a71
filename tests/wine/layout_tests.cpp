// 32-bit only: the records of every shipped module read as a 32-bit host
// reads them, at byte offsets (the numbers of host/layout_checks.h), not
// through our declarations, after a frame: the linkage's headers, each
// header's name, version and mouse list, the element tree walked by its
// child lists, each text buffer the host placed and the character count
// bounding it, each icon's frame count. All must agree with what the
// emulator made of the same records through the declarations.
#include <gtest/gtest.h>

#include <cstring>

#include "shipped_modules.h"
#include "support/host_fixture.h"

namespace {

std::uint32_t u32(const void* record, std::size_t offset) {
    std::uint32_t v;
    std::memcpy(&v, static_cast<const char*>(record) + offset, sizeof v);
    return v;
}

const void* address(const void* record, std::size_t offset) {
    return reinterpret_cast<const void*>(static_cast<std::uintptr_t>(u32(record, offset)));
}

// Depth first, as the host keeps them: an element, then its children (the
// null-ended list at byte 40), each with its own.
void walk(const void* element, std::vector<const void*>& out) {
    out.push_back(element);
    const void* children = address(element, 40);
    for (std::size_t i = 0; children != nullptr && address(children, 4 * i) != nullptr; ++i)
        walk(address(children, 4 * i), out);
}

}  // namespace

TEST_F(HostFixture, ShippedRecordsReadAtTheir32BitOffsets) {
    static_assert(sizeof(void*) == 4);
    for (const std::string& name : shipped_module_names()) {
        SCOPED_TRACE(name);
        emu::Module& module = load(name);
        const void* linkage = &module.linkage();
        EXPECT_EQ(u32(linkage, 0), 0x13u) << "module id";
        std::size_t headers = 0;
        while (headers < 16 && address(linkage, 24 + 4 * headers) != nullptr) ++headers;
        ASSERT_EQ(headers, module.gauges().size());
        for (std::size_t i = 0; i < headers; ++i) {
            const emu::GaugeInfo& info = module.gauges()[i];
            SCOPED_TRACE(info.name);
            const void* header = address(linkage, 24 + 4 * i);
            ASSERT_EQ(header, info.header);
            EXPECT_EQ(u32(header, 0), info.header_version);
            EXPECT_STREQ(static_cast<const char*>(address(header, 4)), info.name.c_str());
            EXPECT_EQ(u32(header, 40), info.size_x_mm);
            EXPECT_EQ(address(header, 48) != nullptr, info.header_mouse_list);

            emu::Gauge& gauge = host->install(module, info.name);
            host->frame();
            std::vector<const void*> tree;
            walk(address(address(header, 8), 0), tree);
            ASSERT_EQ(tree.size(), gauge.elements().size());
            for (std::size_t e = 0; e < tree.size(); ++e) {
                const emu::ElementState& state = gauge.element(e);
                ASSERT_EQ(tree[e], state.element) << "element " << e;
                if (u32(tree[e], 0) == ELEMENT_TYPE_STRING) {
                    EXPECT_EQ(static_cast<const char*>(address(tree[e], 184)), state.text) << "element " << e;
                    EXPECT_LE(state.text.size(), u32(tree[e], 292)) << "element " << e;
                    EXPECT_LT(strnlen(static_cast<const char*>(tree[e]) + 248, 32), 32u) << "font face, element " << e;
                } else if (u32(tree[e], 0) == ELEMENT_TYPE_ICON) {
                    EXPECT_LT(static_cast<std::uint32_t>(state.frame), std::max(u32(tree[e], 112), 1u)) << "element " << e;
                }
            }
            // The mouse list: 44-byte records up to the end record (kind 0).
            std::size_t areas = 0;
            for (const void* r = address(header, 48); r != nullptr && u32(r, 0) != MOUSE_RECT_EOL;
                 r = static_cast<const char*>(r) + 44)
                ASSERT_LT(++areas, 1024u);
            if (gauge.mouse_list() != nullptr && gauge.mouse_list() == address(header, 48)) {
                std::size_t named = 0;
                while (gauge.mouse_list()[named].rect_type != MOUSE_RECT_EOL) ++named;
                EXPECT_EQ(areas, named);
            }
            host->kill(gauge);
        }
    }
}
