#pragma once
// The failure of a file reader: a message that says what is wrong and where.

#include <stdexcept>
#include <string>

namespace cad {

class ReadError : public std::runtime_error {
public:
    explicit ReadError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace cad
