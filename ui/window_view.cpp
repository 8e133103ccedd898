#include "ui/tform1.h"

#include "core/band_readout.h"
#include "ui/overlay_canvas.h"

#include <QLineEdit>

// Launches and detections are only noted here: the counters are written when
// the window next gets its turn, which is all the user can see of them.

void TForm1::ShowLaunched(const RunState&)
{
    m_launchesToShow = true;
}

void TForm1::ShowDetected(std::int32_t)
{
    m_detectionsToShow = true;
}

void TForm1::ShowPassBand(const std::optional<PassBand>& band)
{
    const BandReadouts readouts = BandReadoutsOf(band);
    Edit12->setText(QString::fromStdString(readouts.lower));
    Edit13->setText(QString::fromStdString(readouts.upper));
    Edit14->setText(QString::fromStdString(readouts.width));
}

bool TForm1::TracksShown() const
{
    return m_tracksShown;
}

void TForm1::DrawTrackPiece(int fromX, int fromY, int toX, int toY, std::uint32_t colour)
{
    m_overlayCanvas->SetPenColour(colour);
    m_overlayCanvas->MoveTo(fromX, fromY);
    m_overlayCanvas->LineTo(toX, toY);
}
