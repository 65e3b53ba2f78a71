// The live panel's requests: what `gaugebench serve` answers, kept apart
// from the sockets so that tests can ask it directly. The page (page/)
// reads the layout once, then polls the state and the window pictures as
// frames run, and sends the pointer and the variables the designer sets.
//
//   GET  /                       the page, /app.js, /style.css
//   GET  /api/panel              windows, their gauges and boxes, frame rate, variable names
//   GET  /api/state?since=N      frame count, open windows, log entries from N
//   GET  /api/window/W.png       window W drawn as the host draws it now
//   GET  /api/point?window=W&x=X&y=Y    the gauge there, cursor and help id
//   GET  /api/gauge?window=W&key=K       what a gauge's elements show
//   POST /api/mouse?window=W&x=X&y=Y&action=down|up|drag
//   POST /api/set?var=NAME_OR_TOKEN&value=V
//   POST /api/select?id=N        the radio selection (highlights)
//   POST /api/fps?value=N        frames a second, 1 to 60
//   GET  /api/script             a bench script that replays what was done
//
// W is a window's number, section name or ident. A request this does not
// know, or whose arguments are wrong, gets a 4xx with a one-line reason.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/bench/fonts.h"
#include "tools/bench/http_server.h"
#include "tools/bench/panel.h"

namespace bench {

class PanelService {
public:
    PanelService(Panel& panel, int fps);

    HttpResponse handle(const HttpRequest& request);
    // One frame of the whole panel, the repeats of a held click, and the
    // events it caused into the log. Returns the time to the next frame.
    std::chrono::microseconds tick();

    int fps() const { return fps_; }
    long frame() const { return frame_; }

private:
    struct Held {
        PlacedGauge* placed;
        int x, y;
        std::size_t step;  // its line in script_
        int ticks = 0;
        int repeats = 0;
        bool repeating = true;
    };

    HttpResponse route(const std::string& method, const std::string& path, const std::map<std::string, std::string>& query);
    HttpResponse panel_json() const;
    HttpResponse state_json(const std::map<std::string, std::string>& query) const;
    HttpResponse window_png(const std::string& which);
    HttpResponse point_json(const std::map<std::string, std::string>& query);
    HttpResponse gauge_json(const std::map<std::string, std::string>& query);
    HttpResponse mouse(const std::map<std::string, std::string>& query);
    HttpResponse set_variable(const std::map<std::string, std::string>& query);

    // The window and the point of a request; throws Error with the reason.
    const PanelWindow& window_of(const std::map<std::string, std::string>& query) const;
    PIXPOINT point_of(const std::map<std::string, std::string>& query, const PanelWindow& window) const;
    void collect();  // the host's events and faults into the log
    void record(const PlacedGauge& placed, const std::string& step);
    void record(const std::string& step);
    void end_hold();

    Panel& panel_;
    int fps_;
    long frame_ = 0;
    long version_ = 0;  // changes whenever what is drawn may have
    FontBook fonts_;
    std::map<std::string, std::pair<long, std::string>> pictures_;  // window section: version, PNG
    struct LogEntry {
        long number;
        std::string text;
    };
    std::deque<LogEntry> log_;
    long logged_ = 0;
    std::vector<std::string> script_;
    int frames_unrecorded_ = 0;
    const PlacedGauge* script_gauge_ = nullptr;
    std::optional<Held> held_;
};

}  // namespace bench
