// Opening a web page or a folder with the desktop's own program for it.
#pragma once

#include <QString>
#include <functional>

class QObject;
class QUrl;

// Asks the desktop (xdg-open) to open url. When no program can open it, or
// the opener says it failed, failed runs on this thread with the reason; the
// answer may come after this returns. Nothing runs once context is gone.
void OpenOnDesktop(const QUrl& url, QObject* context,
                   std::function<void(const QString& reason)> failed);
