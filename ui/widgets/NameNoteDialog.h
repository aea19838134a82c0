#pragma once
// A small dialog asking for a name and a note ("收藏当前召唤兽", "收藏改名"):
// the name preselected so that typing replaces it; "确定" or Return
// accepts, "取消" or Escape leaves everything as it was.

#include <QString>

class QWidget;

// Shows the dialog over `parent` with `name` and `note` filled in. True,
// with both replaced by what was typed (the name trimmed), when accepted.
bool AskNameAndNote(QWidget* parent, const QString& title, QString& name, QString& note);
