#include <QApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QLogValueAxis>
#include <algorithm>
#include <limits>
#include <memory>

#include "Plot.h"

namespace zandrel::cli {

bool WritePlot(const Report& report, const std::string& path, std::string& error) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // no window is ever shown
    }
    int argc = 1;
    char name[] = "zandrel-cli";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QApplication> app;
    if (QApplication::instance() == nullptr) {
        app = std::make_unique<QApplication>(argc, argv);
    }

    auto* chart = new QChart();
    chart->setTitle(QStringLiteral("Laufzeit nach Schranke"));
    auto* xAxis = new QLogValueAxis();
    xAxis->setTitleText(QStringLiteral("Schranke"));
    xAxis->setLabelFormat(QStringLiteral("%.0g"));
    xAxis->setBase(10);
    auto* yAxis = new QLogValueAxis();
    yAxis->setTitleText(QStringLiteral("Zeit (ms)"));
    yAxis->setLabelFormat(QStringLiteral("%g"));
    yAxis->setBase(10);
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);

    double minX = std::numeric_limits<double>::max(), maxX = 0;
    double minY = std::numeric_limits<double>::max(), maxY = 0;
    std::vector<std::string> order;
    for (const StepRecord& r : report.steps) {
        if (std::find(order.begin(), order.end(), r.step) == order.end()) order.push_back(r.step);
    }
    for (const std::string& step : order) {
        auto* series = new QLineSeries();
        for (const StepRecord& r : report.steps) {
            const double x = std::stod(r.bound);
            const double y = r.clock.median;
            if (r.step != step || x <= 0 || y <= 0) continue;  // a log axis cannot show 0
            series->setName(QString::fromUtf8(r.caption.c_str()));
            series->append(x, y);
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }
    if (maxX > 0) {
        xAxis->setRange(minX, maxX);
        yAxis->setRange(minY / 1.5, maxY * 1.5);
    }
    chart->legend()->setAlignment(Qt::AlignRight);

    QChartView view(chart);  // takes ownership of the chart
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(1000, 600);

    const QString file = QString::fromStdString(path);
    bool ok = false;
    if (file.endsWith(QStringLiteral(".svg"))) {
        QSvgGenerator svg;
        svg.setFileName(file);
        svg.setSize(view.size());
        svg.setViewBox(QRect(QPoint(0, 0), view.size()));
        svg.setTitle(chart->title());
        QPainter painter;
        ok = painter.begin(&svg);
        if (ok) {
            view.render(&painter);
            ok = painter.end();
        }
    } else {
        ok = view.grab().save(file);
    }
    if (!ok) error = "the file could not be written";
    return ok;
}

}  // namespace zandrel::cli
