#pragma once

#include <QTest>
#include <QVariant>
#include <QWebEnginePage>

#include <memory>

// Asks PAGE for the value of SCRIPT and waits for the answer (an invalid QVariant when none comes).
// Scripts reach a page in the order they were sent, so the answer also says that every call sent
// before it has run.
inline QVariant evaluate(QWebEnginePage *page, const QString &script)
{
    struct Answer
    {
        QVariant value;
        bool done = false;
    };
    auto answer = std::make_shared<Answer>();
    page->runJavaScript(script, [answer](const QVariant &value) {
        answer->value = value;
        answer->done = true;
    });
    if (!QTest::qWaitFor([&] { return answer->done; }, 20000)) {
        return {};
    }
    return answer->value;
}
