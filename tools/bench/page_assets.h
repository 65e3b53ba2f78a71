// The live panel's page (tools/bench/page/), compiled into the bench so
// the server serves exactly these files and nothing from the disk.
#pragma once

#include <string>
#include <vector>

namespace bench {

struct PageAsset {
    const char* path;  // "/", "/app.js", "/style.css"
    const char* file;  // its file in tools/bench/page/
    std::string body;
};

const std::vector<PageAsset>& page_assets();
// The Content-Type for a file of the page, by its suffix.
const char* content_type_of(const std::string& file);

}  // namespace bench
