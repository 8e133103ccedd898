#include "ui/tform1.h"

#include "dialogs/dialogs.h"
#include "ui/general_error.h"
#include "ui/layout/window_texts.h"
#include "ui/palette.h"
#include "ui/up_down.h"
#include "ui/widget_factory.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

bool IsEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Focus that leaves for a message box or a menu has not left the field.
bool LeavesTheField(const QFocusEvent* focus)
{
    return focus->reason() != Qt::ActiveWindowFocusReason && focus->reason() != Qt::PopupFocusReason;
}

}

void TForm1::ConnectHandlers()
{
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);
    connect(CheckBox3, &QCheckBox::clicked, this, &TForm1::CheckBox3Click);
    connect(CheckBox4, &QCheckBox::toggled, this, [this](bool shown) { m_tracksShown = shown; });

    connect(Edit3, &QLineEdit::textChanged, this, &TForm1::Edit3Change);
    connect(Edit4, &QLineEdit::textChanged, this, &TForm1::Edit4Change);
    connect(Edit5, &QLineEdit::textChanged, this, &TForm1::Edit5Change);
    connect(BField, &QLineEdit::textChanged, this, &TForm1::BFieldChange);
    connect(Edit7, &QLineEdit::textChanged, this, &TForm1::Edit7Change);
    connect(UpDown3, &UpDown::positionChanged, this, [this](int step) { Edit3->setText(QString::number(step)); });
    connect(UpDown4, &UpDown::positionChanged, this, [this](int step) { Edit4->setText(QString::number(step)); });

    for (QLineEdit* edit : {Edit7, BField, EField, Edit6})
        edit->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return QMainWindow::eventFilter(watched, event);

    auto exitHandler = [this, edit] {
        if (edit == Edit7)
            Edit7Exit();
        else if (edit == BField)
            BFieldExit();
        else if (edit == EField)
            EFieldExit();
        else
            Edit6Exit();
    };
    switch (event->type()) {
    case QEvent::FocusOut:
        if (LeavesTheField(static_cast<QFocusEvent*>(event)) && !PassesThrough(edit)) {
            // The field is done losing the focus before it is checked, or it
            // would drop the selection a refusal gives it once the error box
            // is closed.
            static_cast<QObject*>(edit)->event(event);
            exitHandler();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (IsEnter(static_cast<QKeyEvent*>(event))) {
            exitHandler();
            // The electric field passes the key on; the other fields swallow it.
            return edit != EField;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (edit != EField) {
            edit->selectAll();
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::PassesThrough(const QLineEdit* edit) const
{
    return m_refusedField && edit != m_refusedField;
}

void TForm1::RefocusLater(QLineEdit* edit)
{
    edit->selectAll();
    // The focus is still moving away while the field is being left. The
    // field it moved to is left again when the focus comes back here, often
    // while the error box is still open; that is no entry there, and checking
    // it would show a second box over the first.
    m_refusedField = edit;
    QTimer::singleShot(0, edit, [this, edit] {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
        if (m_refusedField == edit)
            m_refusedField = nullptr;
    });
}

std::string TForm1::Text(std::string_view control) const
{
    return qobject_cast<QLineEdit*>(Control(control))->text().toStdString();
}

void TForm1::SetColour(std::string_view control, std::uint32_t colour)
{
    SetBoxColour(qobject_cast<QLineEdit*>(Control(control)), QColor(Palette::Opaque(colour)));
}

void TForm1::SetReadOnly(std::string_view control, bool readOnly)
{
    qobject_cast<QLineEdit*>(Control(control))->setReadOnly(readOnly);
}

void TForm1::SetShown(std::string_view control, bool shown)
{
    Control(control)->setVisible(shown);
}

ControlRect TForm1::Rect(std::string_view control) const
{
    const QRect rect = Control(control)->geometry();
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

void TForm1::SetRect(std::string_view control, const ControlRect& rect)
{
    Control(control)->setGeometry(rect.x, rect.y, rect.width, rect.height);
}

void TForm1::ShowGeneralError(const std::string& message)
{
    ::ShowGeneralError(m_services.dialogs, this, QString::fromStdString(message));
}

void TForm1::ShowRefusal(const std::string& text)
{
    m_services.dialogs.ShowMessage(this, ErrorBoxTitle, QString::fromStdString(text), Dialogs::Icon::None);
}

void TForm1::TakeFocusBack(std::string_view control)
{
    RefocusLater(qobject_cast<QLineEdit*>(Control(control)));
}
