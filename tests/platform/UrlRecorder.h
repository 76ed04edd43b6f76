#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

// Takes the place of the desktop's opener for file URLs while it lives, and
// notes what it was asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    UrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};
