#pragma once
// The real boxes and dialogs: Qt message boxes and the open/save picture dialogs with a preview.

#include "platform/user_dialogs.h"

namespace nabrilo {

class QtDialogs : public UserDialogs {
 public:
  void ShowMessage(const QString& text) override;
  void ShowError(const QString& text) override;
  bool AskYesNo(const QString& text) override;
  std::optional<QString> OpenPicture(const QString& filter) override;
  std::optional<QString> SavePicture(const QString& filter, const QString& default_extension,
                                     int* filter_index) override;
};

// The program's "description|patterns|…" filter (patterns separated by ';') as Qt name filters,
// "description (pattern pattern)", in the same order.
QStringList QtNameFilters(const QString& filter);

}  // namespace nabrilo
