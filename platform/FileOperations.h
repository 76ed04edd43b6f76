#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QMimeData;
class QWidget;

// Copy, cut, paste and delete of files through the desktop clipboard. Nothing is
// overwritten, moved to the trash or deleted without the user's answer to a question.
class FileOperations {
public:
    enum class Question { Trash, Delete, Overwrite };
    // Answers a question about the given paths: true goes ahead, false declines.
    using ConfirmHook = std::function<bool(Question, const QStringList& paths)>;
    // Tells the user about paths an operation could not carry out.
    using FailureHook = std::function<void(const QString& message, const QStringList& paths)>;

    explicit FileOperations(QWidget* dialogParent = nullptr);

    void setConfirmHook(ConfirmHook hook) { confirm_ = std::move(hook); }
    void setFailureHook(FailureHook hook) { failure_ = std::move(hook); }

    // Puts the paths on the clipboard for copying (cut = false) or moving (cut = true).
    void putOnClipboard(const QStringList& paths, bool cut);
    // Pastes what the clipboard holds into a folder; returns the paths created there.
    QStringList paste(const QString& folder);
    // Moves the paths to the trash / deletes them, after one confirmation for all.
    void trash(const QStringList& paths);
    void remove(const QStringList& paths);

    // Tells the user about paths that could not be acted on, through the failure hook.
    void reportFailure(const QString& message, const QStringList& paths) const;

    // The clipboard formats of a file list, and their reading back.
    static QMimeData* makeMimeData(const QStringList& paths, bool cut);
    static QStringList pathsFromMimeData(const QMimeData* data, bool* cut);

private:
    bool ask(Question question, const QStringList& paths) const;
    void removeEach(Question question, const QStringList& paths, const QString& failureMessage,
                    const std::function<bool(const QString&)>& removeOne);
    bool transfer(const QString& source, const QString& target, bool move, QStringList& failed);

    QWidget* dialogParent_;
    ConfirmHook confirm_;
    FailureHook failure_;
};
