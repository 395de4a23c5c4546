#include "RunError.h"

namespace zandrel::bench {

std::string_view GermanText(RunErrorCode code) {
    switch (code) {
        case RunErrorCode::TypeMismatch: return "Typen unverträglich";
        case RunErrorCode::Overflow: return "Überlauf";
        case RunErrorCode::SubscriptOutOfRange: return "Index außerhalb des gültigen Bereichs";
        case RunErrorCode::OutOfMemory: return "Nicht genügend Speicher";
        case RunErrorCode::DivisionByZero: return "Division durch Null";
    }
    return "Unbekannter Fehler";
}

std::string_view EnglishText(RunErrorCode code) {
    switch (code) {
        case RunErrorCode::TypeMismatch: return "type mismatch: the bound is not a number";
        case RunErrorCode::Overflow: return "overflow: the number is outside the signed 32-bit range";
        case RunErrorCode::SubscriptOutOfRange: return "subscript out of range: the bound is below -1";
        case RunErrorCode::OutOfMemory: return "out of memory";
        case RunErrorCode::DivisionByZero: return "division by zero";
    }
    return "unknown error";
}

}  // namespace zandrel::bench
