// The readouts module loaded into a fresh host, the table of its fourteen
// gauges as panels know them, and a way to show one set of values on one
// readout.
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/host_fixture.h"

namespace readouts {

enum class style { grey, red };

struct failure {
    ENUM32 key;
    ENUM32 action;
};

struct gauge_row {
    const char* name;
    std::array<ID32, 3> tokens;  // 0: no variable in that slot
    style colours;
    std::uint32_t characters;
    std::vector<failure> failures;
    ID32 help_id;  // 0: no mouse list
};

// In linkage order.
inline const std::vector<gauge_row>& gauge_table() {
    static const std::vector<gauge_row> rows = {
        {"NAV1_Radial", {0x2D, 0, 0}, style::grey, 3, {}, 43890},
        {"NAV2_Radial", {0x36, 0, 0}, style::grey, 3, {}, 43892},
        {"ADF_Radial", {0x16, 0, 0}, style::grey, 3, {}, 43776},
        {"HeadingBug", {0x6B, 0, 0}, style::grey, 3, {}, 43827},
        {"Altitiude", {0x4A, 0, 0}, style::red, 5, {{20, 3}, {3, 1}, {7, 1}}, 43783},
        {"VSpeed", {0x41, 0x14F, 0}, style::red, 5, {{20, 3}, {3, 2}, {7, 2}, {19, 1}}, 43894},
        {"AirSpeed", {0x3D, 0, 0}, style::red, 4, {{20, 3}, {6, 1}}, 43778},
        {"Heading", {0x54, 0, 0}, style::red, 3, {{20, 3}}, 43828},
        {"GPSGroundSpeed", {0x340, 0, 0}, style::red, 6, {{20, 3}}, 0},
        {"Clock", {0x3, 0x4, 0x5}, style::red, 8, {{20, 3}}, 43798},
        {"ZuluClock", {0x6, 0x7, 0x5}, style::red, 8, {{20, 3}}, 43798},
        {"KollsmanHG", {0x4C, 0x4B, 0x14F}, style::grey, 5, {}, 43834},
        {"Compass", {0x53, 0, 0}, style::red, 3, {{20, 3}, {12, 1}}, 43895},
        {"RadioAltimeter", {0x49, 0x2, 0x14F}, style::red, 5, {{20, 3}}, 43540},
    };
    return rows;
}

inline const gauge_row& row_of(const std::string& name) {
    for (const gauge_row& row : gauge_table())
        if (name == row.name) return row;
    throw std::invalid_argument("no readout named " + name);
}

// Element indices in tree order.
inline constexpr std::size_t background_element = 0;
inline constexpr std::size_t text_element = 1;

}  // namespace readouts

class ReadoutsTest : public HostFixture {
protected:
    emu::Module& tarnwick = load("tarnwick");

    // What a readout shows for one set of values in its three slots.
    struct shown {
        std::string text;
        double value;
    };

    // Installs the readout, sets its variables slot by slot, runs one
    // frame, reads text and value, and kills it again.
    shown show(const std::string& gauge, std::array<double, 3> values) {
        const readouts::gauge_row& row = readouts::row_of(gauge);
        for (std::size_t slot = 0; slot < 3; ++slot) {
            if (row.tokens[slot] != 0) host->set_number(row.tokens[slot], values[slot]);
            else if (values[slot] != 0) ADD_FAILURE() << gauge << " has no variable in slot " << slot;
        }
        emu::Gauge& g = host->install(tarnwick, gauge);
        host->frame();
        shown result{g.text(readouts::text_element), g.element(readouts::text_element).value};
        host->kill(g);
        return result;
    }
};
