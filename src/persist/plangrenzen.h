#pragma once

#include <optional>
#include <string>

namespace orbato {

class TSchule;

// Every count and number of the plan file has 16 bits. Answers, for a document that does not fit,
// the message that names what is too large (Windows-1252); none when it can be written as it is.
std::optional<std::string> PlanGrenzenUeberschritten(const TSchule& schule);

}  // namespace orbato
