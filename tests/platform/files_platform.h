// What file attributes mean on this platform, for the table of the file tests.
#pragma once

#include <cstdint>
#include <vector>

#include "text/text.h"

namespace vq::test {

extern const char kSeparator[];

struct AttributeCase {
  std::uint32_t given;     // handed to FileSetAttributes
  std::uint32_t expected;  // Windows: the attributes read back; elsewhere: unused
};

[[nodiscard]] std::vector<AttributeCase> AttributeCases();

// The platform's view of a file: its attributes (Windows) or its permission bits.
[[nodiscard]] std::uint32_t FileState(const Text& path);

// What FileState should say after FileSetAttributes(c.given) on a file that had `before`.
[[nodiscard]] std::uint32_t ExpectedState(std::uint32_t before, const AttributeCase& c);

// Clears whatever keeps the file from being deleted with its folder.
void MakeRemovable(const Text& path);

}  // namespace vq::test
