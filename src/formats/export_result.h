// What a level export answers.
#pragma once
#include <optional>

#include "strings/messages.h"

namespace tilesmith {

class ExportResult {
public:
    enum class Code {
        written,
        not_a_level,            // no format exports into a base of that extension: nothing done
        package_size_mismatch,  // refused: the package is not the size of the base's texture set
        output_is_base,         // refused: the output is the base file itself
        // Refused: the base's first bytes name a level version its extension
        // does not take (a remastered level, or another game's).
        base_of_another_kind,
    };

    static const ExportResult written, not_a_level, package_size_mismatch, output_is_base;
    // A base of another kind, with what its version tells the user.
    static constexpr ExportResult base_of_another_kind(Msg why) { return {Code::base_of_another_kind, why}; }

    constexpr Code code() const { return code_; }
    // The message that tells why the export was refused; empty when it was not.
    constexpr std::optional<Msg> refusal() const {
        switch (code_) {
            case Code::package_size_mismatch: return Msg::PackageSizeMismatch;
            case Code::output_is_base: return Msg::OutputIsBase;
            case Code::base_of_another_kind: return why_;
            case Code::written:
            case Code::not_a_level: break;
        }
        return std::nullopt;
    }
    friend constexpr bool operator==(const ExportResult&, const ExportResult&) = default;

private:
    constexpr ExportResult(Code code, std::optional<Msg> why = std::nullopt) : code_(code), why_(why) {}
    Code code_;
    std::optional<Msg> why_;
};

inline constexpr ExportResult ExportResult::written{Code::written};
inline constexpr ExportResult ExportResult::not_a_level{Code::not_a_level};
inline constexpr ExportResult ExportResult::package_size_mismatch{Code::package_size_mismatch};
inline constexpr ExportResult ExportResult::output_is_base{Code::output_is_base};

// The message that tells why the export was refused; empty for the other results.
constexpr std::optional<Msg> refusal_message(const ExportResult& result) { return result.refusal(); }

}  // namespace tilesmith
