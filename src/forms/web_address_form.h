#pragma once
// "Internet Web Site" and "Internet FTP": one address to open, a web site's
// or an FTP site's, as the caller chooses.
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

struct WebAddressValues {
    std::string Address;  // as the tag holds it
};

struct WebAddressFields {
    std::string Address;
};

WebAddressFields NewWebAddressFields(bool ftp);
WebAddressFields WebAddressFieldsOf(const WebAddressValues& values);
WebAddressValues WebAddressValuesOf(const TagMatch& match);
// No checks: any address is taken.
CommandAnswer<WebAddressValues> AcceptWebAddress(const WebAddressFields& fields, bool ftp);

}  // namespace tavrin
