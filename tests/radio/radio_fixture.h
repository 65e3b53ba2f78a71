// A host with the halbrook module loaded and its radio stack installed.
// Clicks go to the centre of a control's box, as a user would click.
#pragma once

#include <string>
#include <vector>

#include "radio_controls.h"
#include "support/host_fixture.h"

class RadioTest : public HostFixture {
protected:
    emu::Module& radio_module = load("halbrook");
    emu::Gauge* gauge = &host->install(radio_module, "halbrook");

    bool click(int child) {
        const PIXPOINT p = radio::centre(radio::control(child));
        return host->click(*gauge, p.x, p.y);
    }
    // One click, then the host's next frame.
    void click_then_frame(int child, int times = 1) {
        for (int i = 0; i < times; ++i) EXPECT_TRUE(click(child)) << "child " << child;
        host->frame();
    }
    std::string text(std::size_t element) const { return gauge->text(element); }
    double value(std::size_t element) const { return gauge->element(element).value; }

    // The key events since the last call, as (id, value) pairs.
    std::vector<std::pair<ID32, std::uint32_t>> key_events() {
        std::vector<std::pair<ID32, std::uint32_t>> out;
        for (const emu::HostEvent& e : host->take_events())
            if (e.kind == emu::HostEvent::Kind::key_event) out.emplace_back(e.id, e.value);
        return out;
    }

    // Puts a value into a standby the way a pilot can: the host delivers
    // it as the active frequency (one frame), and the swap takes it over.
    void standby_from_active(ID32 active_token, int swap_child, std::uint32_t value) {
        host->set_integer(active_token, value);
        host->frame();
        EXPECT_TRUE(click(swap_child));
        host->frame();
        host->take_events();
    }
    // The same for the ADF pair, in the mode given.
    void adf_standby_from_active(bool extended, std::uint32_t frequency, std::uint32_t extension) {
        host->set_number(radio::token::adf_mode, extended ? 1.0 : 0.0);
        host->set_integer(radio::token::adf, frequency);
        host->set_integer(radio::token::adf_ext, extension);
        host->frame();
        EXPECT_TRUE(click(radio::child::adf_swap));
        host->frame();
        host->take_events();
    }
};
