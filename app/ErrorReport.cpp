#include "app/ErrorReport.h"

#include "app/Globals.h"

namespace {

MessageSink& sink() {
    static MessageSink current;
    return current;
}

} // namespace

void setMessageSink(MessageSink newSink) {
    sink() = std::move(newSink);
}

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                 const QString& text) {
    if (sink()) {
        sink()(icon, caption, text);
        return;
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

QString StandardErrorText(const QString& message) {
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void ShowStandardError(QWidget* parent, const std::exception& error) {
    ShowMessage(parent, QMessageBox::Critical, ApplicationTitle,
                StandardErrorText(QString::fromUtf8(error.what())));
}
