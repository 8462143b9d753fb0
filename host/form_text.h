// A dialog as text for a reader: the `controls` table and the `draw` picture.
#pragma once

#include <string>
#include <vector>

#include "host/form_view.h"

namespace host {

// A title line, a heading and one row per control: ID, SYMBOL, KIND, LIMIT, ENABLED, VISIBLE,
// LABEL and TEXT, the texts quoted as a script quotes them.
std::vector<std::string> controlTable(const FormView& form);

// The form in a frame, each visible control where its template places it (four dialog units a
// column, eight a row; a control pushed right when its neighbour's text needs the room), shown
// as "ID:" and its look: text, [edit___], <button>, [x] check box, (o) radio, _link_,
// [drop-down v], {list}. Hidden and disabled controls are listed below the frame.
std::vector<std::string> drawForm(const FormView& form);

}  // namespace host
