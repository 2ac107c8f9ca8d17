#include "activities/bargraphs.h"

#include "activities/bargraphview.h"
#include "activities/countedthings.h"
#include "activities/stagebutton.h"
#include "services/pictures.h"
#include "services/services.h"
#include "toolkit/handlers.h"
#include "toolkit/panel.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace abacolo {

TBarGraphsForm *BarGraphsForm = nullptr;

namespace {

// The scene's face is as far from its pictures' area as a stage button's inner area.
constexpr int SceneMargin = 14;
const QRect SceneArea(8, 14, int(BarGraphsQuestion::SceneSize.width()) + 2 * SceneMargin,
                      int(BarGraphsQuestion::SceneSize.height()) + 2 * SceneMargin);
const QRect GraphArea(548, 14, 458, 508);

} // namespace

TBarGraphsForm::TBarGraphsForm(Services &services)
    : ActivityForm(u"BarGraphsForm"_s, u"bar_graphs"_s, BarGraphsLevels, services)
    , scene(new StageButton(u"scene"_s, stage))
    , graph(new BarGraphView(u"graph"_s, stage))
{
    scene->setGeometry(SceneArea);
    scene->setAttribute(Qt::WA_TransparentForMouseEvents); // counted, not clicked
    scene->setCursor(Qt::ArrowCursor);
    graph->setGeometry(GraphArea);
    onEvent(graph, &BarGraphView::raised, this, [this](int column) { raiseColumn(column); });
    onEvent(graph, &BarGraphView::lowered, this, [this](int column) { lowerColumn(column); });
    onEvent(graph, &BarGraphView::picked, this, [this](int column) { pickColumn(column); });
}

void TBarGraphsForm::drawQuestion(RandomGenerator &random, int level)
{
    m_question = drawBarGraphsQuestion(random, level);
    QList<QPixmap> pictures;
    for (const QString &kind : std::as_const(m_question.kinds))
        pictures.append(m_services.pictures.picture(kind));
    scene->setContent([pictures, places = m_question.scene](QPainter &painter, const QRectF &area) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (const ScenePicture &picture : places) {
            const QPixmap &pixmap = pictures.at(picture.kind);
            painter.drawPixmap(picture.place.translated(area.topLeft()), pixmap,
                               QRectF(pixmap.rect()));
        }
    });
    graph->setColumns(pictures, m_question.highest);
    askFor(Step::Building);
}

void TBarGraphsForm::askFor(Step step)
{
    m_step = step;
    graph->setPicking(step != Step::Building);
    graph->setMarked(-1);
    switch (step) {
    case Step::Building:
        ask(u"数一数，填好统计图"_s, u"build_bar_graph"_s);
        break;
    case Step::Most:
        ask(u"哪种最多？"_s, u"which_most"_s);
        break;
    case Step::Fewest:
        ask(u"哪种最少？"_s, u"which_fewest"_s);
        break;
    }
}

QString TBarGraphsForm::kindName(int column) const
{
    return countedThingName(m_question.kinds.at(column));
}

QString TBarGraphsForm::questionText() const
{
    return request() + u' ' + m_question.text();
}

bool TBarGraphsForm::built() const
{
    for (int column = 0; column < graph->columns(); ++column) {
        if (graph->bar(column) != m_question.counts.at(column))
            return false;
    }
    return true;
}

void TBarGraphsForm::raiseColumn(int column)
{
    if (m_step != Step::Building)
        return;
    const int cells = graph->bar(column) + 1;
    if (cells > m_question.counts.at(column)) {
        // One past the count: the column stays true to the scene and says no.
        graph->shake(column);
        answered(questionText(), kindName(column) + QString::number(cells), false);
        return;
    }
    graph->setBar(column, cells);
    if (built())
        answered(questionText(), m_question.text(), true);
}

void TBarGraphsForm::lowerColumn(int column)
{
    if (m_step == Step::Building)
        graph->setBar(column, graph->bar(column) - 1);
}

void TBarGraphsForm::pickColumn(int column)
{
    if (m_step == Step::Building)
        return;
    const int answer = m_step == Step::Most ? m_question.most() : m_question.fewest();
    if (column == answer)
        graph->setMarked(column);
    answered(questionText(), kindName(column), column == answer);
}

void TBarGraphsForm::showAnswer()
{
    switch (m_step) {
    case Step::Building:
        for (int column = 0; column < graph->columns(); ++column)
            graph->setBar(column, m_question.counts.at(column));
        break;
    case Step::Most:
        graph->setMarked(m_question.most());
        break;
    case Step::Fewest:
        graph->setMarked(m_question.fewest());
        break;
    }
}

void TBarGraphsForm::moveOn()
{
    switch (m_step) {
    case Step::Building:
        askFor(Step::Most);
        break;
    case Step::Most:
        askFor(Step::Fewest);
        break;
    case Step::Fewest:
        newQuestion();
        break;
    }
}

} // namespace abacolo
