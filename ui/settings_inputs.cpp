#include "ui/tform1.h"

#include "base/number_text.h"
#include "core/pass_band.h"
#include "core/settings_rules.h"
#include "core/simulation.h"
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

QString GeneralText(double value)
{
    return QString::fromStdString(GeneralNumberText(value));
}

QString FieldText(double value)
{
    return QString::fromStdString(FixedText(value, 10, 5));
}

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

bool TForm1::ReadInteger(const QString& text, std::int32_t& value)
{
    const std::optional<std::int32_t> read = ParseIntegerText(text.toStdString());
    if (!read) {
        ShowConversionError(QString(NotAnIntegerMessage).arg(text));
        return false;
    }
    value = *read;
    return true;
}

bool TForm1::ReadDecimal(const QString& text, double& value)
{
    const std::optional<double> read = ParseDecimalText(text.toStdString());
    if (!read) {
        ShowConversionError(QString(NotADecimalMessage).arg(text));
        return false;
    }
    value = *read;
    return true;
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

void TForm1::RefuseEntry(QLineEdit* edit, const QString& errorText)
{
    SetBoxColour(edit, QColor(Palette::ErrorColor));
    RefocusLater(edit);
    ShowErrorBox(errorText);
}

void TForm1::Edit3Change()
{
    std::int32_t step = 0;
    if (!ReadInteger(Edit3->text(), step))
        return;
    Blende3->setText(GeneralText(SlitHalfWidthMm(step)));
    const int jawWidth = JawWidthForSlitStep(step);
    Shape6->resize(jawWidth, Shape6->height());
    Shape7->resize(Shape6->width(), Shape7->height());
    Shape7->move(SlitRightEdge - Shape7->width(), Shape7->y());
    ApplySlitStep(m_sim.walls, step);
    UpdatePassBand(m_sim);
}

void TForm1::Edit4Change()
{
    std::int32_t step = 0;
    if (!ReadInteger(Edit4->text(), step))
        return;
    FilterSettings& filter = m_sim.filter;
    filter.magneticField = step * TeslaPerFieldStep;
    BField->setText(GeneralText(filter.magneticField * 1e6));
    if (!CheckBox3->isChecked())
        filter.magneticField = 0.0;
    BFieldExit();
}

void TForm1::Edit5Change()
{
    std::int32_t step = 0;
    if (!ReadInteger(Edit5->text(), step))
        return;
    FilterSettings& filter = m_sim.filter;
    filter.electricField = step * 1e4;
    EField->setText(FieldText(filter.electricField));
    if (!CheckBox3->isChecked())
        filter.electricField = 0.0;
    EFieldExit();
}

void TForm1::BFieldChange()
{
    SetBoxColour(BField, QColor(Palette::NormalColor));
    double keV = 0.0;
    if (!ReadDecimal(Edit7->text(), keV))
        return;
    FilterSettings& filter = m_sim.filter;
    filter.tunedEnergy = RetunedEnergyJoules(keV);
    filter.electricField = PassElectricField(filter.tunedEnergy, filter.magneticField);
    EField->setText(FieldText(filter.electricField));
}

void TForm1::BFieldExit()
{
    if (!CheckBox3->isChecked())
        return;
    const std::optional<std::int32_t> microtesla = ParseIntegerText(BField->text().toStdString());
    if (!microtesla || !IsValidFieldMicrotesla(*microtesla)) {
        RefuseEntry(BField, FieldRefusal);
        return;
    }
    SetBoxColour(BField, QColor(Palette::NormalColor));
    BField->setText(QString::number(*microtesla));
    m_sim.filter.magneticField = MicroteslaToTesla(*microtesla);
    BFieldChange();
    UpdatePassBand(m_sim);
}

void TForm1::EFieldExit()
{
    if (!CheckBox3->isChecked())
        return;
    const std::optional<double> field = ParseDecimalText(EField->text().toStdString());
    if (!field) {
        SetBoxColour(EField, QColor(Palette::ErrorColor));
        RefocusLater(EField);
        return;
    }
    SetBoxColour(EField, QColor(Palette::NormalColor));
    m_sim.filter.electricField = *field;
}

void TForm1::Edit7Change()
{
    SetBoxColour(Edit7, QColor(Palette::NormalColor));
}

void TForm1::Edit7Exit()
{
    if (!CheckBox3->isChecked())
        return;
    const std::optional<double> keV = ParseDecimalText(Edit7->text().toStdString());
    if (!keV || !IsValidPassEnergy(*keV)) {
        RefuseEntry(Edit7, PassEnergyRefusal);
        return;
    }
    Edit7->setText(GeneralText(*keV));
    // The energy is taken even when the induction cannot be read.
    m_sim.filter.tunedEnergy = EnteredEnergyJoules(*keV);
    double microtesla = 0.0;
    if (!ReadDecimal(BField->text(), microtesla))
        return;
    ApplyEnergyEntry(m_sim.filter, *keV, microtesla);
    EField->setText(FieldText(m_sim.filter.electricField));
    UpdatePassBand(m_sim);
}

void TForm1::CheckBox3Click()
{
    FilterSettings& filter = m_sim.filter;
    if (CheckBox3->isChecked()) {
        if (!ReadDecimal(EField->text(), filter.electricField))
            return;
        double microtesla = 0.0;
        if (!ReadDecimal(BField->text(), microtesla))
            return;
        filter.magneticField = MicroteslaToTesla(microtesla);
        SetBoxColour(EField, Qt::white);
        SetBoxColour(BField, QColor(Palette::NormalColor));
        BField->setReadOnly(false);
        SetBoxColour(Edit7, QColor(Palette::NormalColor));
        Edit7->setReadOnly(false);
        UpDown4->show();
    } else {
        filter.electricField = 0.0;
        filter.magneticField = 0.0;
        for (QLineEdit* edit : {EField, BField, Edit7})
            SetBoxColour(edit, QColor(Palette::OffColor));
        BField->setReadOnly(true);
        Edit7->setReadOnly(true);
        UpDown4->hide();
    }
}

void TForm1::Edit6Exit()
{
    const std::optional<std::int32_t> count = ParseIntegerText(Edit6->text().toStdString());
    if (!count || !IsValidParticleCount(*count)) {
        RefuseEntry(Edit6, ParticleCountRefusal);
        return;
    }
    Edit6->setText(QString::number(*count));
    m_sim.run.setCount = *count;
    SetBoxColour(Edit6, QColor(Palette::NormalColor));
}
