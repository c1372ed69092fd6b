#include <gtest/gtest.h>

#include "forms/web_address_form.h"

namespace tavrin {
namespace {

TEST(WebAddressFormTest, ANewCommandStartsWithTheScheme) {
    EXPECT_EQ(NewWebAddressFields(false).Address, "http://");
    EXPECT_EQ(NewWebAddressFields(true).Address, "ftp://");
}

TEST(WebAddressFormTest, EachModeWritesItsTag) {
    const struct {
        bool ftp;
        const char* address;
        const char* tag;
    } cases[] = {
        {false, " www.example.com ", "<HTTP:http://www.example.com>"},
        {false, "WwW.example.com", "<HTTP:http://WwW.example.com>"},
        {false, "http://www.example.com", "<HTTP:http://www.example.com>"},
        {false, "example.com", "<HTTP:example.com>"},
        {false, "ww", "<HTTP:ww>"},
        {false, "", "<HTTP:>"},
        {true, "ftp://ftp.example.com", "<FTP:ftp://ftp.example.com>"},
        {true, "www.example.com", "<FTP:www.example.com>"},
    };
    for (const auto& c : cases) {
        WebAddressFields fields;
        fields.Address = c.address;
        const auto answer = AcceptWebAddress(fields, c.ftp);
        EXPECT_TRUE(answer.Ok());
        EXPECT_EQ(answer.Text, c.tag) << c.address;
    }
}

TEST(WebAddressFormTest, AnEditedTagComesBackUnchanged) {
    for (const char* tag : {"<HTTP:http://www.example.com/a b>", "<FTP:ftp://ftp.example.com>"}) {
        const bool ftp = std::string(tag).compare(0, 5, "<FTP:") == 0;
        const auto answer =
            AcceptWebAddress(WebAddressFieldsOf(WebAddressValuesOf(Recognise(tag, 0))), ftp);
        EXPECT_EQ(answer.Text, tag);
    }
}

}  // namespace
}  // namespace tavrin
