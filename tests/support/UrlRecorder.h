#pragma once

#include <QObject>
#include <QUrl>

// Stands in for the desktop's browser (QDesktopServices::setUrlHandler(scheme, &recorder, "open")): records
// what the program asks to open. List this header among a suite's sources so that it is moc'ed there.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};
