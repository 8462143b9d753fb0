// What an agent types into each mask for one entry, and the entry its Send brings, as the
// worked examples show them (the end-item mark written as its six-character escape).
#pragma once

#include <vector>

#include "resources/resource.h"

namespace container {

struct Step {
    enum Kind { Type, Select, Click, Enter, F1 } kind;
    int control;
    const wchar_t* text = L"";
    int index = 0;
};

struct Run {
    const wchar_t* mask;      // the class
    int cancel;               // its Cancel button
    std::vector<Step> steps;  // the last one sends
    const wchar_t* entry;
};

inline const Run kRuns[] = {
    {L"IssManualVoidTkt",
     IDC_MANVOID_CANCEL,
     {{Step::Type, IDC_MANVOID_AIRLINE, L"125"},
      {Step::Type, IDC_MANVOID_TICKET, L"1234567890"},
      // The encoder chooser opens and, its outside control not registered, closes unanswered.
      {Step::F1, IDC_MANVOID_CURRENCY},
      {Step::Type, IDC_MANVOID_CURRENCY, L"gbp"},
      {Step::Type, IDC_MANVOID_FARE, L"250"},
      {Step::Type, IDC_MANVOID_LOCATOR, L"ABCDEF"},
      {Step::Type, IDC_MANVOID_DATE, L"5JAN"},
      {Step::Type, IDC_MANVOID_PAYMENT, L"CA"},
      {Step::Type, IDC_MANVOID_ITINERARY, L"X"},
      {Step::Enter, IDC_MANVOID_ITINERARY}},
     L"WV\\u00A51251234567890/GBP250/ABCDEF/05JAN/CA/X"},
    {L"IssBSPDamagedTkt",
     IDC_DAMAGED_CANCEL,
     {{Step::Click, IDC_DAMAGED_ATB2},
      {Step::Type, IDC_DAMAGED_SCN, L"1234567890123"},
      {Step::Type, IDC_DAMAGED_CHECK_DIGIT, L"3"},
      {Step::Type, IDC_DAMAGED_SPOILED, L"1"},
      {Step::Enter, IDC_DAMAGED_SPOILED}},
     L"ATCX/12345678901233/1/S"},
    {L"IssLogTkt",
     IDC_LOGTKT_CANCEL,
     {{Step::Click, IDC_LOGTKT_ATB2},
      {Step::Click, IDC_LOGTKT_SPLIT},
      {Step::Type, IDC_LOGTKT_LNIATA, L"1A2B3C"},
      {Step::Type, IDC_LOGTKT_SCN, L"12345678901234"},
      {Step::Type, IDC_LOGTKT_NO_OF_DOC, L"5"},
      {Step::Enter, IDC_LOGTKT_NO_OF_DOC}},
     L"DBR1A2B3C/12345678901234/5"},
    {L"TicketingReIssuance",
     IDC_REISS_CANCEL,
     {{Step::Type, IDC_REISS_CARRIER, L"sq"},
      {Step::Type, IDC_REISS_TFR, L"1"},
      {Step::Type, IDC_REISS_NAMESELECT, L"1.1"},
      {Step::Type, IDC_REISS_COMMISSION, L"5"},
      {Step::Type, IDC_REISS_EXTKT1, L"618"},
      {Step::Type, IDC_REISS_EXTKT2, L"1234567890"},
      {Step::Type, IDC_REISS_CPN, L"1"},
      {Step::Type, IDC_REISS_DATEOFISSUE, L"12jan05"},
      {Step::Type, IDC_REISS_PLACEOFISSUE, L"sin"},
      {Step::Type, IDC_REISS_IATA, L"12345678"},
      {Step::Enter, IDC_REISS_IATA}},
     L"W\\u00A5T1N1.1\\u00A5ASQ\\u00A5KP5\\u00A5ET6181234567890/1//12JAN05SIN/"
     L"12345678\\u00A5FEFCASH"},
    {L"TicketingIssuance",
     IDC_ISS_CANCEL,
     {{Step::Type, IDC_ISS_TFR, L"1"},
      {Step::Type, IDC_ISS_PAX, L"1.1"},
      {Step::Type, IDC_ISS_CARRIER, L"sq"},
      {Step::Select, IDC_ISS_FOP1, L"", 1},
      {Step::Type, IDC_ISS_COMMISSION, L"7"},
      {Step::Select, IDC_ISS_ENDORSE_TYPE, L"", 1},
      {Step::Type, IDC_ISS_ENDORSE1, L"nonref"},
      {Step::Click, IDC_ISS_ETKT},
      {Step::Enter, IDC_ISS_ENDORSE1}},
     L"W\\u00A5T1N1.1\\u00A5ASQ\\u00A5FCASH\\u00A5KP7\\u00A5EDNONREF\\u00A5ETR"},
    {L"Skyfolio",
     IDC_SKY_CANCEL,
     {{Step::Type, IDC_SKY_CARRIER, L"sq"},
      {Step::Type, IDC_SKY_BAGALLOW_EDIT, L"20k"},
      {Step::Select, IDC_SKY_FOP1, L"", 1},
      {Step::Click, IDC_SKY_SEND}},
     L"W\\u00A5ASQ\\u00A5BA*20K\\u00A5FCASH"},
};

}  // namespace container
