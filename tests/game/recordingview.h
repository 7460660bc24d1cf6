// A FieldView that records what the field draws and shows, and plays the tick
// timer as a flag, so that the game rules can be driven without a window.
#pragma once

#include "game/gamefield.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

struct RecordingView : colonnes::FieldView {
    struct Fill {
        QRect rect;
        colonnes::Couleur colour;
    };
    bool recordFills = true;
    QList<Fill> fills;
    int repaints = 0;
    // "StatCouleur0=3", "Blocs=1", ... in order.
    QStringList captionLog;
    QMap<QString, QString> captions;
    int interval = 500; // the timer's interval; 0 stands for none yet
    bool running = false;
    int stops = 0;
    int starts = 0;
    // Runs at each repaint (to look at the state during a flash).
    std::function<void()> onRepaint;

    static QString name(colonnes::Caption which, int index)
    {
        using colonnes::Caption;
        switch (which) {
        case Caption::StatCouleur: return QStringLiteral("StatCouleur%1").arg(index);
        case Caption::Blocs: return QStringLiteral("Blocs");
        case Caption::Score: return QStringLiteral("Score");
        case Caption::Carres: return QStringLiteral("Carres");
        case Caption::Meilleur: return QStringLiteral("Meilleur");
        case Caption::Nom: return QStringLiteral("Nom");
        }
        return QString();
    }

    void fillRect(const QRect& twips, colonnes::Couleur colour) override
    {
        if (recordFills)
            fills.append({twips, colour});
    }
    void repaintNow() override
    {
        ++repaints;
        if (onRepaint)
            onRepaint();
    }
    void setCaption(colonnes::Caption which, int index, const QString& text) override
    {
        const QString n = name(which, index);
        captions[n] = text;
        captionLog.append(n + QLatin1Char('=') + text);
    }
    bool timerHasInterval() override { return interval > 0; }
    void stopTimer() override
    {
        ++stops;
        running = false;
    }
    void startTimer() override
    {
        ++starts;
        running = interval > 0;
    }
    void clear()
    {
        fills.clear();
        repaints = 0;
        captionLog.clear();
        stops = starts = 0;
    }
};
