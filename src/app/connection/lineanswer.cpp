// Why a connect attempt failed, from what was observed: the module's
// exception reply, or else what the raw line returns to one more
// identification request, sent once the Modbus client has let the port go.
// Behind a Modbus TCP gateway there is no raw line: the transport's own
// words say it.

#include "connectionpanel.h"
#include "ui_mainwindow.h"

#include "messages.h"
#include "userprompts.h"
#include "line/answerwords.h"
#include "line/lineprober.h"
#include "line/tcpfailure.h"
#include "module/catalogue.h"


QString ConnectionPanel::moduleAnsweredText(int exceptionCode)
{
    return zt::line::answerInWords(exceptionCode);
}

// The connect button waits for the answer: the probe holds the port.
void ConnectionPanel::explainFailedAttempt(int exceptionCode, const QString &tcpFailure)
{
    using zt::line::LineProber;
    if (exceptionCode != 0 || !tcpFailure.isEmpty()) {
        critical(exceptionCode != 0 ? moduleAnsweredText(exceptionCode) : tcpFailure);
        return;
    }
    auto *prober = new LineProber(this);
    if (!prober->open(linePort)) {
        delete prober;
        critical(msg::ConnectionTimeout);
        return;
    }
    window.form->BT_Open_Connect->setEnabled(false);
    auto done = [this, prober] {
        prober->close();
        prober->deleteLater();
        window.showControls();
    };
    connect(prober, &LineProber::lineLost, this, [this, done] {
        done();
        critical(msg::ConnectionTimeout);
    });
    connect(prober, &LineProber::answered, this, [this, done](const zt::line::Answer &answer) {
        done();
        showLineAnswer(answer);
    });
    prober->probe(lineSettings);
}

void ConnectionPanel::showLineAnswer(const zt::line::Answer &answer)
{
    using zt::line::Answer;
    const QString line = zt::line::describe(lineSettings);
    QString text;
    switch (answer.kind) {
    case Answer::Nothing:
        text = msg::NoAnswer.arg(line);
        break;
    case Answer::Echo:
        text = msg::EchoAnswer;
        break;
    case Answer::Garbage:
        text = msg::GarbageAnswer.arg(line);
        break;
    case Answer::Exception:
        text = moduleAnsweredText(answer.exceptionCode);
        break;
    case Answer::Reply:
        text = zt::decodeIdentification(answer.registers).valid ? msg::LateAnswer.arg(line)
                                                                 : msg::DeviceNotRecognised.text();
        break;
    case Answer::OtherAddress: {
        const QString question = msg::OtherAddressQuestion.arg(lineSettings.address).arg(answer.address);
        if (window.prompts->question(window.widget, msg::ErrorTitle, question)) {
            zt::line::LineSettings other = lineSettings;
            other.address = answer.address;
            useLineSettings(other);
        }
        return;
    }
    }
    critical(text);
}
