#include "session/Session.h"

namespace brisko {

Session::Session(Prompter& prompter)
    : m_prompter(&prompter)
{
    showDesignInFields();
}

void Session::showDesignInFields()
{
    for (int code = 14; code <= 21; ++code)
        fields.dimension(code) = *dimensionByCode(design, code);
    fields.CaseRatio = design.CaseRatio;
    fields.FrictionForce = design.FrictionForce;
    fields.ElementStepSize = design.ElementStepSize;
}

bool Session::logAction(int stage, int code, OptText v1, OptText v2, OptText v3, OptText v4,
                        const QString& description)
{
    if (!portfolio.isOpen())
        return true;
    RecordContext context;
    context.timeText = results.Time;
    context.distanceText = results.PoweredDistance;
    context.speedText = results.TopSpeed;
    context.massText = results.ProjectedMass;
    context.designName = designListText;
    context.flags = advisories;
    context.when = clock();
    QString error;
    if (portfolio.append({stage, code, v1, v2, v3, v4, description}, context, &error))
        return true;
    m_prompter->message(QStringLiteral("Design portfolio"), error);
    return false;
}

} // namespace brisko
