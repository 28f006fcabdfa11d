#pragma once

#include <vector>

// Word lists the demo people, places and officials are made of.
namespace DemoNames {
const std::vector<const char*>& MaleFirst();
const std::vector<const char*>& FemaleFirst();
const std::vector<const char*>& Last();
const std::vector<const char*>& Streets();
const std::vector<const char*>& Cities();
const std::vector<const char*>& Judges();
const std::vector<const char*>& Attorneys();
const std::vector<const char*>& Employers();
const std::vector<const char*>& Relationships();
}  // namespace DemoNames
