// The host emulator: the one panel host every test, tool and benchmark
// drives modules through. It loads a gauge module from its file as the
// simulator does, fills its import table with a service table of its own,
// drives gauges through their headers, keeps the host variables the gauges
// read, applies the key events they send, and records what happened.
//
// It forgives nothing a real host would not: text buffers come filled with
// a non-zero pattern, the generate phase changes every frame, and any misuse
// of a service is recorded in faults().
//
// Time moves only when the caller says so: nothing here reads a clock.
// One Host is current at a time (the service table has no context
// argument); creating a second while one lives is an error.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "host/gauge_records.h"

namespace emu {

// A failure to load or drive a module: a missing file, a file that is not a
// gauge module, an unknown gauge. The message is one line naming the input.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A module file built for another machine than this host: a 32-bit module
// in a 64-bit host, a Windows module in a native one. `built_for` names it
// ("i686", "x86_64" for Windows modules, "native" for an ELF library), so
// that a tool can name the build of itself that loads it.
class WrongMachine : public Error {
public:
    WrongMachine(const std::string& what, std::string machine) : Error(what), built_for(std::move(machine)) {}
    std::string built_for;
};

// A bitmap resource of a module, as the host loads it: palette indices,
// top row first, and a 256-entry palette of 0x00RRGGBB colours.
struct Bitmap {
    ID32 id = 0;
    std::uint16_t language = 0;
    int width = 0;
    int height = 0;
    int bits_per_pixel = 0;
    int palette_entries = 0;
    std::uint32_t compression = 0;
    std::vector<std::uint8_t> pixels;
    std::vector<std::uint32_t> palette;
};

struct GaugeInfo {
    std::string name;
    std::uint32_t header_version = 0;
    std::uint32_t size_x_mm = 0;
    bool header_mouse_list = false;  // the header names a mouse list (700 and 800)
    GAUGEHDR* header = nullptr;
};

// One entry of the event log.
struct HostEvent {
    enum class Kind { key_event, window_toggle };
    enum class Origin { module, mouse_area };  // sent by module code, or by the host for a mouse area
    Kind kind = Kind::key_event;
    Origin origin = Origin::module;
    ID32 id = 0;
    std::uint32_t value = 0;
    bool operator==(const HostEvent&) const = default;
};

// One call of a host service, in the order the module made them.
struct ServiceCall {
    std::string service;  // "element_list_install", "mouse_list_register", ...
    const void* subject = nullptr;  // the element, mouse list or variable record passed
    std::int64_t argument = 0;      // the phase, window id, event id or token; else 0
};

class Host;
class Gauge;
struct HostServices;  // the service table's implementation (emulator/host_services.h)

// A loaded module. Created by Host::load; unloaded by Host::unload or when
// the host goes.
class Module {
public:
    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    const std::string& path() const { return path_; }
    const GAUGESLINKAGE& linkage() const { return *linkage_; }
    const IMPORT_TABLE& import_table() const { return *import_table_; }
    const std::vector<GaugeInfo>& gauges() const { return gauges_; }
    const GaugeInfo& gauge(const std::string& name) const;  // throws Error for an unknown name

    // A bitmap resource by id: the copy in `language` if there is one, else
    // the first copy found. Empty if the module has no such bitmap.
    std::optional<Bitmap> bitmap(ID32 id, std::uint16_t language) const;
    std::vector<Bitmap> bitmaps() const;  // every copy of every bitmap
    MODULE_HANDLE instance() const { return handle_; }

private:
    friend class Host;
    friend struct HostServices;
    Module() = default;
    std::string path_;
    MODULE_HANDLE handle_ = nullptr;
    GAUGESLINKAGE* linkage_ = nullptr;
    IMPORT_TABLE* import_table_ = nullptr;
    std::vector<GaugeInfo> gauges_;
    struct Resources;
    std::unique_ptr<Resources> resources_;
};

// What the host holds for one element of a live gauge, in tree order
// (the root first, then each child list depth first).
struct ElementState {
    ELEMENT_HEADER* element = nullptr;
    std::string text;         // string elements: the buffer's text after the last update
    double value = 0.0;       // what the element's callback returned last
    int frame = 0;            // icons: the frame shown
    PIXPOINT placed{0, 0};    // where the element is drawn (sliders move)
    bool hidden = false;      // image flag 0x40000000 at the last draw
    const Bitmap* bitmap = nullptr;  // the bitmap drawn (icons: the current frame)
};

// A live gauge: one installation of a gauge header on the panel.
class Gauge {
public:
    const std::string& name() const { return info_.name; }
    const GaugeInfo& info() const { return info_; }
    Module& module() const { return *module_; }
    bool alive() const { return alive_; }

    // Elements in tree order; index 0 is the root.
    const std::vector<ElementState>& elements() const { return elements_; }
    const ElementState& element(std::size_t index) const;
    std::string text(std::size_t index) const { return element(index).text; }

    // The background's pixel size as loaded for the root.
    PIXPOINT size() const { return size_; }

    // The mouse list the gauge handed over, and whether clicks reach it.
    const MOUSERECT* mouse_list() const { return mouse_list_; }
    bool mouse_registered() const { return mouse_registered_; }

private:
    friend class Host;
    friend struct HostServices;
    GaugeInfo info_;
    Module* module_ = nullptr;
    bool alive_ = true;
    std::vector<ElementState> elements_;
    PIXPOINT size_{0, 0};
    const MOUSERECT* mouse_list_ = nullptr;
    PIXPOINT mouse_size_{0, 0};
    bool mouse_registered_ = false;
    struct Buffers;
    std::shared_ptr<Buffers> buffers_;
    Gauge** binding_ = nullptr;  // where the header's records note the gauge they are bound to
};

// How the host applies a key event to its variables. The emulator ships the
// effects the modules rely on (emulator/effects_*.cpp); tests may add more.
using KeyEffect = std::function<void(Host& host, std::uint32_t value)>;

class Host {
public:
    Host();
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    static Host* current() { return current_; }

    // ---- modules
    // Loads a module file, checks that it is a gauge module, fills its
    // import table, reads its linkage and calls module init.
    Module& load(const std::string& path);
    // Kills the module's live gauges, calls module deinit, releases the file.
    void unload(Module& module);

    // ---- gauges
    // Installs and initialises a gauge, through its routine set (610, 700)
    // or its element list, mouse list and gauge callback (800).
    Gauge& install(Module& module, const std::string& gauge_name);
    // Asks a live gauge its query routine (610, 700), or gives a version 800
    // gauge service ids 0 and 1 around the host's own query; returns what
    // the query answered (the host answers 1 for a tree it knows).
    SINT32 query(Gauge& gauge);
    // Kills a live gauge; its state stays readable.
    void kill(Gauge& gauge);
    // One frame for every live gauge, in installation order: update,
    // generate and draw. A frame's generate phase is its number, counted
    // from 1 since the host was made (frame_number()), so that a gauge
    // which drops or replaces the phase it is handed is seen.
    void frame();
    std::uint32_t frame_number() const { return frame_number_; }
    void frames(int count);
    const std::vector<std::unique_ptr<Gauge>>& gauges() const { return gauges_; }
    // A fresh panel with the same modules loaded, for runs of many short
    // panel lives (fuzzing): forgets the killed gauges (references to them
    // go stale), every variable value, the panel windows' states, the event
    // and service-call logs, the faults and the radio selection. Key effects
    // and the resource language stay. Throws Error while a gauge lives.
    void clear_panel();

    // ---- variables, by token. Integer values sit in the low 32 bits of
    // the 8-byte value, as the host delivers BCD and code values.
    void set_number(ID32 token, double value);
    void set_integer(ID32 token, std::uint32_t value);
    double number(ID32 token) const;
    std::uint32_t integer(ID32 token) const;

    // ---- mouse. Points are in pixels of the gauge's background, from its
    // top left corner; the point handed to a mouse callback is the same.
    // A click goes to the first registered child rectangle that holds the
    // point and accepts a left click; returns whether one took it.
    bool click(Gauge& gauge, int x, int y);
    // A click held down for `repeats` further repeat events; repeats reach
    // only rectangles whose flags carry MOUSE_DOWN_REPEAT.
    bool hold(Gauge& gauge, int x, int y, int repeats);
    // One more repeat event of a click held down at a point, for hosts that
    // pace the repeats themselves; false where no repeating area is.
    bool repeat(Gauge& gauge, int x, int y);
    // The pointer moving to a point while the left button is held; reaches
    // only rectangles whose flags carry MOUSE_MOVE_HELD.
    bool drag(Gauge& gauge, int x, int y);
    // The tooltip id at a point: the child's help id if it has one, else
    // the parent's. 0 where none.
    ID32 help_id_at(const Gauge& gauge, int x, int y) const;
    // The cursor at a point, CURSOR_NONE where none.
    ID32 cursor_at(const Gauge& gauge, int x, int y) const;

    // ---- what the host saw
    const std::vector<HostEvent>& events() const { return events_; }
    std::vector<HostEvent> take_events();
    const std::vector<ServiceCall>& service_calls() const { return calls_; }
    void clear_service_calls() { calls_.clear(); }
    bool panel_window_open(ID32 window_id) const;
    // Contract violations seen: a text written past its buffer, a service
    // called with a record the host does not know, and the like. Empty in
    // a healthy run.
    const std::vector<std::string>& faults() const { return faults_; }
    std::vector<std::string> take_faults();

    // ---- settings
    // Which language copy of a bitmap to load when a module has several.
    void set_resource_language(std::uint16_t language) { language_ = language; }
    std::uint16_t resource_language() const { return language_; }
    // The host's radio selection, which picks the highlighted characters.
    void set_radio_selection(SINT32 selection) { radio_selection_ = selection; }
    SINT32 radio_selection() const { return radio_selection_; }
    void set_key_effect(ID32 event_id, KeyEffect effect);
    // The service-call log grows with every frame; long runs (benchmarks,
    // fuzzing) turn it off.
    void set_record_service_calls(bool on) { record_calls_ = on; }

private:
    friend struct HostServices;
    static inline Host* current_ = nullptr;  // read by every service call
    std::vector<std::unique_ptr<Module>> modules_;
    std::vector<std::unique_ptr<Gauge>> gauges_;
    std::map<ID32, VAR_VALUE> variables_;
    std::map<ID32, KeyEffect> effects_;
    std::map<ID32, bool> windows_;
    std::vector<HostEvent> events_;
    std::vector<ServiceCall> calls_;
    std::vector<std::string> faults_;
    std::uint16_t language_ = 0x040C;
    SINT32 radio_selection_ = 0;
    Gauge* driving_ = nullptr;  // the gauge whose routine or callback runs
    std::uint32_t frame_number_ = 0;
    const ENUM32* generating_ = nullptr;  // the phase of the generate routine running, if any
    HostEvent::Origin origin_ = HostEvent::Origin::module;
    bool record_calls_ = true;
};

}  // namespace emu
