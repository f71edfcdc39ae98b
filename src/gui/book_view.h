#pragma once

#include "gui/form_view.h"
#include "windows/book_form.h"

// The wheel book: the wheels above with their commands, the sessions of the picked wheel
// below with theirs.
class BookView : public FormView {
 public:
  BookView(FrontEnd& frontEnd, BookForm& form);
};
