#pragma once

#include <QMessageBox>
#include <QString>

#include <exception>
#include <functional>

class QWidget;

// Every message box of the program goes through here, so that tests can answer them.
using MessageSink =
    std::function<void(QMessageBox::Icon icon, const QString& caption, const QString& text)>;
// Replaces the message boxes by Sink (an empty sink brings the boxes back).
void setMessageSink(MessageSink sink);

// A modal message box with an OK button.
void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                 const QString& text);

// The standard report of an error nobody handled: the error icon, the application title as
// caption and the error's text, with a period added when its last character sorts after one.
void ShowStandardError(QWidget* parent, const std::exception& error);
QString StandardErrorText(const QString& message);
