#include "forms/search_form.h"

namespace tavrin {

SearchFields NewSearchFields(bool findOnly, const std::string& find) {
    SearchFields fields;
    fields.FindOnly = findOnly;
    fields.Find = find;
    return fields;
}

CommandAnswer<SearchValues> AcceptSearch(const SearchFields& fields) {
    SearchValues values;
    values.Find = FieldText(fields.Find).substr(0, kSearchChars);
    if (values.Find.empty()) return Answer("", SearchValues{});
    if (!fields.FindOnly) values.Replace = FieldText(fields.Replace).substr(0, kSearchChars);
    return Answer(values.Find, values);
}

}  // namespace tavrin
