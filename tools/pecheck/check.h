// Compares one built module with the table: machine, export table,
// imported DLLs and resources. Returns every difference found, one line
// each; an empty list means the module is as expected.
#pragma once

#include <string>
#include <vector>

#include "tools/pecheck/expectations.h"
#include "tools/pecheck/pe_file.h"

namespace pecheck {

std::vector<std::string> check_module(const PeFile& pe, const std::string& module, const std::string& tree,
                                      const Table& table);

// The differences of one bitmap resource from its expectation.
std::vector<std::string> check_bitmap(const std::vector<std::uint8_t>& dib, const BitmapExpectation& want);

}  // namespace pecheck
