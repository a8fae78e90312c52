// What a view announces after an edit or a record operation.
#pragma once

namespace vex {

struct FieldDef;

struct ChangeNotice {
  // Kinds: 0 field edit; 0..6 navigation operations when sent by a view
  // (0 first, 1 previous, 2 next, 3 last, 4 add, 5 delete, 6 go to);
  // 7 band change; 9 PMR446 frequency-code change.
  static constexpr int kFieldEdit = 0;
  static constexpr int kAdd = 4;
  static constexpr int kValidate = 5;  // also the delete operation
  static constexpr int kBandChange = 7;
  static constexpr int kFrequencyCode = 9;

  // Which view or page sent it: a number of the sender's choosing (the GUI
  // uses template ids), never a window.
  int source = 0;
  int controlId = 0;
  int kind = 0;
  // A field edit: the field edited, null when the control shows no one field.
  const FieldDef* field = nullptr;
  int extra = 0;
  // A field edit: the key of the record edited (0: a section, or several
  // records). Validation: the Invalid Log entry's key. Record moves: the key
  // of the record the view shows afterwards (0: none).
  int key = 0;
};

}  // namespace vex
