#include "gui/qt_dialogs.h"

#include "gui/qt_text.h"
#include "gui/text_document.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocument>

namespace verdalis::gui {

namespace {

using ui::Answer;
using ui::MessageButtons;
using ui::MessageKind;

struct KindLook {
    QMessageBox::Icon icon;
    const char* title; // empty: the application's title
};

KindLook lookOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error: return {QMessageBox::Critical, "Error"};
    case MessageKind::Warning: return {QMessageBox::Warning, "Warning"};
    case MessageKind::Information: return {QMessageBox::Information, "Information"};
    case MessageKind::Confirmation: return {QMessageBox::Question, "Confirm"};
    case MessageKind::Plain: break;
    }
    return {QMessageBox::NoIcon, ""};
}

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

Answer answerOf(int pressed, MessageButtons buttons)
{
    switch (pressed) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Ok: return Answer::Ok;
    default: break;
    }
    // Closed without a button: the answer that declines.
    return buttons == MessageButtons::YesNo ? Answer::No : buttons == MessageButtons::OkCancel ? Answer::Cancel
                                                                                                : Answer::Ok;
}

std::optional<std::string> chosen(const QString& path)
{
    return path.isEmpty() ? std::nullopt : std::optional(fromQt(path));
}

// Where a document goes when no printer can take it.
QString pdfPathFor(std::string_view jobName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::tempPath();
    }
    QString name = toQt(jobName).trimmed();
    name.replace(QRegularExpression(R"([\\/:*?"<>|])"), "_");
    if (name.isEmpty()) {
        name = "Verdalis";
    }
    return QDir(folder).filePath(name + ".pdf");
}

} // namespace

QString qtNameFilter(std::string_view filter)
{
    const QStringList parts = toQt(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        QString description = parts[i];
        if (!description.contains('(')) {
            description += " (" + patterns + ")";
        }
        filters << description;
    }
    return filters.join(";;");
}

Answer QtDialogs::message(MessageKind kind, std::string_view text, MessageButtons buttons)
{
    const KindLook look = lookOf(kind);
    const QString title = *look.title != '\0' ? QString(look.title) : QApplication::applicationName();
    QMessageBox box(look.icon, title, toQt(text), buttonsOf(buttons), parent());
    return answerOf(box.exec(), buttons);
}

std::optional<std::string> QtDialogs::textQuery(std::string_view caption, std::string_view prompt,
                                                std::string_view defaultValue, bool masked)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent(), toQt(caption), toQt(prompt),
                                               masked ? QLineEdit::Password : QLineEdit::Normal, toQt(defaultValue),
                                               &ok);
    return ok ? std::optional(fromQt(text)) : std::nullopt;
}

std::optional<std::string> QtDialogs::inputQuery(std::string_view caption, std::string_view prompt,
                                                 std::string_view defaultValue)
{
    return textQuery(caption, prompt, defaultValue, false);
}

std::optional<std::string> QtDialogs::passwordQuery(std::string_view caption, std::string_view prompt)
{
    return textQuery(caption, prompt, {}, true);
}

std::optional<std::string> QtDialogs::openFile(const ui::FileDialogRequest& request)
{
    const QString start = QDir(toQt(request.initialDir)).filePath(toQt(request.fileName));
    return chosen(QFileDialog::getOpenFileName(parent(), toQt(request.title), start, qtNameFilter(request.filter)));
}

std::optional<std::string> QtDialogs::saveFile(const ui::FileDialogRequest& request)
{
    const QString start = QDir(toQt(request.initialDir)).filePath(toQt(request.fileName));
    auto path = chosen(QFileDialog::getSaveFileName(parent(), toQt(request.title), start,
                                                    qtNameFilter(request.filter)));
    if (path) {
        path = ui::withDefaultExtension(std::move(*path), request.defaultExt);
    }
    return path;
}

void QtDialogs::print(const rtf::Document& document, std::string_view jobName)
{
    QTextDocument text;
    fillTextDocument(text, document);
    QPrinter printer(QPrinterInfo::defaultPrinter());
    printer.setDocName(toQt(jobName));
    const bool noPrinter = QPrinterInfo::availablePrinters().isEmpty();
    QString pdfPath;
    if (noPrinter) {
        pdfPath = pdfPathFor(jobName);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    }
    text.print(&printer);
    if (noPrinter) {
        information("No printer is installed. The document was saved as\n" + fromQt(QDir::toNativeSeparators(pdfPath)));
    }
}

} // namespace verdalis::gui
