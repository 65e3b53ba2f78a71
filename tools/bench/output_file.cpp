#include "tools/bench/output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "tools/bench/errors.h"

namespace bench {

namespace {

std::string reason(int error) { return error != 0 ? std::strerror(error) : "write failed"; }

}  // namespace

void write_file_atomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(path, ec)) throw Error(path + ": cannot write (it is a folder)");
    const std::string temporary = path + ".partial";
    errno = 0;
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (f == nullptr) throw Error(path + ": cannot write (" + reason(errno) + ")");
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const int write_error = errno;
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed) {
        const int error = written ? errno : write_error;
        fs::remove(temporary, ec);
        throw Error(path + ": cannot write (" + reason(error) + ")");
    }
    fs::rename(temporary, path, ec);
    if (ec && fs::exists(path)) {
        // Some file systems will not rename over an existing file.
        std::error_code removed;
        fs::remove(path, removed);
        ec.clear();
        fs::rename(temporary, path, ec);
    }
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw Error(path + ": cannot write (" + ec.message() + ")");
    }
}

}  // namespace bench
