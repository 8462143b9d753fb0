#include "framework/shared_settings.h"

#include <array>

#include "framework/profile_names.h"
#include "platform/file/file.h"
#include "platform/zenkor/profile.h"

namespace framework {
namespace {

constexpr std::array<const char*, 22> kEncoderKeys = {
    "ENCODER_CITY",
    "ENCODER_CURRENCY",
    "ENCODER_INSURANCE_VENDOR",
    "ENCODER_COUNTRY",
    "ENCODER_CARRIER",
    "ENCODER_CAR_CO",
    "ENCODER_CAR_TYPE",
    "ENCODER_HOTEL_CHAIN",
    "ENCODER_CREDIT_CARD_TYPE",
    "ENCODER_SPECIAL_EQUIP",
    "ENCODER_US_STATE",
    "ENCODER_ROOM_TYPE",
    "ENCODER_GLOBAL_INDICATOR",
    "ENCODER_PTC",
    "ENCODER_FARETYPE",
    "ENCODER_PIC",
    "ENCODER_MISC_PRODUCT_CODE",
    "ENCODER_STAR_CRUISE_CITY_CODE",
    "ENCODER_STAR_CRUISE_NATIONALITY",
    "ENCODER_STAR_CRUISE_PROMO_CODE",
    "ENCODER_STAR_CRUISE_SHIP_CODE",
    "ENCODER_STAR_CRUISE_SPECIAL_REMARK",
};

struct Shared {
    std::string zenkorMainPath = kZenkorMainIni;
    std::array<std::string, kEncoderKeys.size()> encoderLists;
};

Shared& shared() {
    static Shared instance;
    return instance;
}

std::string readValue(CZenkorProfile& profile, const char* key) {
    std::array<char, 1024> buffer{};
    profile.setKeyName(key);
    profile.getValue(buffer.data(), "", buffer.size());
    return buffer.data();
}

}  // namespace

void LoadSharedSettings() {
    Shared& s = shared();
    {
        CZenkorProfile quorvex;
        quorvex.setIniFile(kQuorvexIni);
        quorvex.setSectionName("SYSTEM");
        const std::string path = readValue(quorvex, "Path");
        s.zenkorMainPath = path.empty() ? kZenkorMainIni : file::joinPath(path, kZenkorMainIni);
    }
    CZenkorProfile zenkor;
    zenkor.setIniFile(s.zenkorMainPath.c_str());
    zenkor.setSectionName("ENCODER");
    for (std::size_t i = 0; i < kEncoderKeys.size(); ++i) {
        s.encoderLists[i] = readValue(zenkor, kEncoderKeys[i]);
    }
}

const std::string& ZenkorMainPath() {
    return shared().zenkorMainPath;
}

const std::string& EncoderList(std::string_view key) {
    static const std::string none;
    for (std::size_t i = 0; i < kEncoderKeys.size(); ++i) {
        if (key == kEncoderKeys[i])
            return shared().encoderLists[i];
    }
    return none;
}

std::string ReadZenkorMain(const char* section, const char* key) {
    CZenkorProfile zenkor;
    zenkor.setIniFile(shared().zenkorMainPath.c_str());
    zenkor.setSectionName(section);
    return readValue(zenkor, key);
}

}  // namespace framework
