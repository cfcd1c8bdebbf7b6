// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "working_area.h"

#include "widget_factory.h"

#include <QLabel>

void makeBar(QWidget *parent, const QString &name, const Bar &bar) {
    auto *line = new QLabel(parent);
    line->setObjectName(name);
    line->setGeometry(bar.x1, bar.y, bar.x2 - bar.x1 + 1, 2);
    line->setAutoFillBackground(true);
    QPalette pal = line->palette();
    pal.setColor(QPalette::Window, Qt::black);
    line->setPalette(pal);
}

QLabel *makeSign(QWidget *parent, const QString &name, const QString &sign, const QRect &where,
                 qreal points, bool bold) {
    QLabel *l = makeComicLabel(parent, name, sign, where,
                               {parent->palette().color(QPalette::WindowText), points, bold});
    l->setAlignment(Qt::AlignCenter);
    return l;
}
