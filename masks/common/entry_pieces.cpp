#include "masks/common/entry_pieces.h"

#include "framework/host_entry.h"

namespace masks {
namespace {

const std::string SEP(framework::kItemSeparator);

}  // namespace

std::string TourCodePiece(long type, const std::string& code) {
    switch (type) {
        case 1:
            return "/F*" + code + SEP + "UI*";
        case 2:
            return "/F*" + code + SEP + "UB*";
        case 3:
            return "/F*" + code;
        case 4:
            return SEP + "UN*" + code;
        case 5:
            return SEP + "U" + code;
        case 6:
            return SEP + "UI*" + code;
        case 7:
            return SEP + "UB*" + code;
        case 8:
            return SEP + "UX*" + code;
        default:
            return "";
    }
}

std::string CopiesPiece(const FormValues& v, std::span<const CopyField> copies, CopyOrder order) {
    std::string piece;
    for (const CopyField& copy : copies) {
        if (!v.given(copy.id))
            continue;
        piece += piece.empty() ? SEP + "C" : std::string("/");
        piece += order == CopyOrder::LetterFirst ? copy.letter + v.text(copy.id)
                                                 : v.text(copy.id) + copy.letter;
    }
    return piece;
}

std::string PrintOptionPiece(long option) {
    const std::string mark = ByCode(std::array{"", "DPE", "DPB", "DP", "DPO", "DPI"}, option);
    return mark.empty() ? mark : SEP + mark;
}

std::string SplitTicketingPiece(long type) {
    const std::string mark = ByCode(std::array{"", "RA", "RB", "RC", "RE"}, type);
    return mark.empty() ? mark : SEP + mark;
}

std::string GgrPiece(const EntryValues& v, const GgrFields& f) {
    return v.choiceText(f.code) + v.text(f.warrant) + "-" + v.text(f.debtor) + "-" +
           v.text(f.objectCode);
}

std::string EndorsementPiece(const FormValues& v, long type, ui::ControlId first,
                             ui::ControlId second) {
    // The marks of the first and second line by endorsement type.
    constexpr std::array<std::pair<const char*, const char*>, 5> kMarks = {{
        {"", ""},
        {"ED", ""},
        {"EO/", ""},
        {"EO1/", "EO2/"},
        {"EO/", "ED"},
    }};
    if (type < 1 || type > 4)
        return "";
    const auto [firstMark, secondMark] = kMarks[static_cast<std::size_t>(type)];
    std::string piece;
    if (type <= 2 || v.given(first))
        piece += SEP + firstMark + (v.given(first) ? v.text(first) : std::string());
    if (type >= 3 && v.given(second))
        piece += SEP + secondMark + v.text(second);
    return piece;
}

std::string GivenPieces(const FormValues& v, std::span<const MarkedField> pieces) {
    std::string text;
    for (const auto& [mark, id] : pieces) {
        if (v.given(id))
            text += mark + v.text(id);
    }
    return text;
}

}  // namespace masks
