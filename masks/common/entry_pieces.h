// Pieces that the issuance entries write alike: the tour code by its type, the copies to print,
// the printing option, split ticketing, a GGR payment's codes, the endorsement lines and the
// "mark + text" pieces of the fields given.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <utility>

#include "masks/common/form_values.h"

namespace masks {

// A text by item code, "" for a code outside the table.
template <std::size_t N>
std::string ByCode(const std::array<const char*, N>& texts, long code) {
    return code >= 0 && static_cast<std::size_t>(code) < N ? texts[static_cast<std::size_t>(code)]
                                                           : "";
}

// The tour code piece by the IT code type (1 to 8); "" for any other type. The "/F*" forms
// continue a net remit piece.
std::string TourCodePiece(long type, const std::string& code);

// The additional copies: the first given after the separator and "C", each later after "/",
// each its count and letter in the order the entry wants them.
struct CopyField {
    ui::ControlId id;
    const char* letter;
};
enum class CopyOrder { CountFirst, LetterFirst };
std::string CopiesPiece(const FormValues& v, std::span<const CopyField> copies,
                        CopyOrder order = CopyOrder::CountFirst);

// The separator and the printing option (1 DPE, 2 DPB, 3 DP, 4 DPO, 5 DPI), or "".
std::string PrintOptionPiece(long option);
// The separator and the split ticketing type (1 RA, 2 RB, 3 RC, 4 RE), or "".
std::string SplitTicketingPiece(long type);

// A GGR payment after its "GGR" mark: the shown text of its code list, the warrant, "-", the
// debtor, "-", the object code, each copied even when empty.
struct GgrFields {
    ui::ControlId code;
    ui::ControlId warrant;
    ui::ControlId debtor;
    ui::ControlId objectCode;
};
std::string GgrPiece(const EntryValues& v, const GgrFields& fields);

// The endorsement by its type: 1 "ED" and 2 "EO/" with the first line (their mark also
// without it), 3 "EO1/" and "EO2/" and 4 "EO/" and "ED" before each line given.
std::string EndorsementPiece(const FormValues& v, long type, ui::ControlId first,
                             ui::ControlId second);

// Each field given, after its mark, in the order of the table.
using MarkedField = std::pair<const char*, ui::ControlId>;
std::string GivenPieces(const FormValues& v, std::span<const MarkedField> pieces);

}  // namespace masks
