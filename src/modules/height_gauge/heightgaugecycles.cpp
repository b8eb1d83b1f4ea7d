#include "heightgaugecycles.h"

#include <QDebug>

#include <algorithm>
#include <cmath>

// Steps of the cycles. Each cycle owns its own range, so a step number alone says where we are.
namespace {
constexpr quint32 kAboveApproach = 1, kAboveWait = 2, kAboveBackOff = 3, kAboveBackOffStart = 4,
                  kAboveResult = 5;
constexpr quint32 kBelowApproach = 6, kBelowWait = 7, kBelowBackOff = 8, kBelowBackOffStart = 9,
                  kBelowResult = 10;
constexpr quint32 kGapFirst = 11, kGapResult = 21;
constexpr quint32 kCentreFirst = 22, kCentreFirstResult = 32, kCentreWaiting = 33, kCentreSecond = 34,
                  kCentreSecondResult = 44, kCentreDistance = 45;
constexpr quint32 kScanDown = 46, kScanUp = 47;
constexpr quint32 kBaseApproach = 49, kBaseWait = 50, kBaseBackOff = 51, kBaseBackOffStart = 52,
                  kBaseResult = 53;

// Offsets inside a gap feature (steps 11..20 of the gap).
enum FeatureStep : quint32 {
    LowerApproach = 0,
    LowerWait = 1,
    LowerBackOff = 2,
    LowerBackOffStart = 3,
    ToUpper = 4,
    UpperZone = 5,
    UpperApproach = 6,
    UpperWait = 7,
    UpperBackOff = 8,
    UpperBackOffStart = 9,
    FeatureDone = 10,
};

constexpr int kMotorIdle = 0;
constexpr int kMotorTouchPin = 3;

int scanSlowStepType(double step)
{
    return step < 1.0 ? 1 : 50;
}
} // namespace

void HeightGaugeCycles::Touches::add(double height)
{
    if (count < kTouches)
        heights[count] = height;
    ++count;
}

double HeightGaugeCycles::Touches::largest(double from) const
{
    double result = from;
    for (int i = 0; i < std::min(count, kTouches); ++i)
        result = std::max(result, heights[i]);
    return result;
}

double HeightGaugeCycles::Touches::smallest(double from) const
{
    double result = from;
    for (int i = 0; i < std::min(count, kTouches); ++i)
        result = std::min(result, heights[i]);
    return result;
}

HeightGaugeCycles::HeightGaugeCycles(QObject *parent)
    : QObject(parent)
{}

void HeightGaugeCycles::setScanParameters(double step, double min, double max)
{
    m_scanStep = step;
    m_scanMin = min;
    m_scanMax = max;
}

void HeightGaugeCycles::log(const QString &text) const
{
    qDebug().noquote() << "[Devozor]" << text;
}

QString HeightGaugeCycles::featureText(const char *text) const
{
    QString result = QString::fromUtf8(text);
    if (m_cycle == 6)
        result += QStringLiteral(" межцентр");
    return result;
}

void HeightGaugeCycles::upAt(int speedCode)
{
    emit changeSpeed(speedCode);
    emit setSlowStepType(0);
    emit moveUp();
}

void HeightGaugeCycles::downAt(int speedCode)
{
    emit changeSpeed(speedCode);
    emit moveDown();
}

void HeightGaugeCycles::slowUp()
{
    emit changeSpeed(kSlowSpeed);
    emit setSlowStepType(2);
    emit moveUp();
}

void HeightGaugeCycles::slowDown()
{
    emit changeSpeed(kSlowSpeed);
    emit setSlowStepType(2);
    emit moveDown();
}

void HeightGaugeCycles::addRow(double height, double laser)
{
    emit resultRow(height, laser);
    emit macroHook();
}

// The base-setting result: the touched height becomes zero on the board and the board takes the base value.
void HeightGaugeCycles::calibrate()
{
    m_baseFlag = false;
    emit zeroHeight();
    emit sendBaseSet(m_baseValue);
}

void HeightGaugeCycles::finish()
{
    m_cycle = 0;
    m_step = 0;
}

// ---- starts -------------------------------------------------------------------------------------------

void HeightGaugeCycles::startSurfaceFromAbove(double laser)
{
    log(QStringLiteral("\n[DEBUG] ============= ЗАПУСК ІЗМЕРЕНИЯ dn ============="));
    emit setSlowStepType(0);
    emit changeSpeed(m_speed);
    m_lower[0] = Touches();
    m_laserBase = laser;
    m_cycle = 1;
    m_step = kAboveApproach;
}

void HeightGaugeCycles::startSurfaceFromBelow(double laser)
{
    log(QStringLiteral("\n[DEBUG] ============= ЗАПУСК ІЗМЕРЕНИЯ up ============="));
    emit changeSpeed(m_speed);
    emit setSlowStepType(0);
    emit disableTouchPin();
    m_upper[0] = Touches();
    m_laserBase = laser;
    m_cycle = 2;
    m_step = kBelowApproach;
}

void HeightGaugeCycles::startGap(double laser)
{
    emit changeSpeed(m_speed);
    emit disableTouchPin();
    emit setSlowStepType(0);
    m_lower[0] = Touches();
    m_upper[0] = Touches();
    m_laserBase = laser;
    m_cycle = 3;
    m_step = kGapFirst;
}

void HeightGaugeCycles::startScan(double height)
{
    if (m_scanStep <= 0.0) {
        log(QStringLiteral("Ошибка: Шаг должен быть больше 0"));
        return;
    }
    m_lastScanHeight = 0.0;
    m_cycle = 4;
    emit disableTouchPin();
    if (height <= m_scanMin) {
        m_nextScanPoint = m_scanMin;
        emit setSlowStepType(scanSlowStepType(m_scanStep));
        emit changeSpeed(3);
        m_step = kScanUp;
        emit moveUp();
    } else {
        emit changeSpeed(m_speed);
        m_step = kScanDown;
        emit moveDown();
    }
}

void HeightGaugeCycles::startBaseSetting(double laser)
{
    m_baseFlag = true;
    m_cycle = 5;
    m_step = kBaseWait;
    emit sendBaseSet(0.0f);
    emit zeroHeight();
    emit enableTouchPin();
    emit setSlowStepType(0);
    emit changeSpeed(m_speed);
    m_lower[0] = Touches();
    m_laserBase = laser;
    emit moveDown();
    log(QStringLiteral("on_BaseSet_clicked"));
}

// The first press measures the first feature; a press while the centre distance runs measures the second
// and keeps what the first one gave.
void HeightGaugeCycles::startCentreDistance(double laser)
{
    emit changeSpeed(m_speed);
    emit disableTouchPin();
    emit setSlowStepType(0);
    m_laserBase = laser;
    for (int feature = 0; feature < 2; ++feature) {
        m_lower[feature] = Touches();
        m_upper[feature] = Touches();
    }
    if (m_cycle == 6) {
        m_step = kCentreSecond;
        return;
    }
    for (int feature = 0; feature < 2; ++feature) {
        m_featureLower[feature] = 0.0;
        m_featureUpper[feature] = 0.0;
    }
    m_cycle = 6;
    m_step = kCentreFirst;
}

void HeightGaugeCycles::clearForManualMove()
{
    if (m_cycle != 6 && m_step != kCentreWaiting)
        finish();
}

// ---- stepping -----------------------------------------------------------------------------------------

void HeightGaugeCycles::update(double height, double laser, bool laserValid, int motorState)
{
    if (m_cycle == 0 || m_step == 0)
        return;
    // The base setting is started from the base button in either mode; every other cycle needs automatic.
    if (m_cycle != 5 && !m_automatic)
        return;
    const bool triggered = laserValid && std::abs(laser - m_laserBase) >= m_threshold;
    switch (m_cycle) {
    case 1:
        stepSurfaceFromAbove(height, triggered);
        break;
    case 2:
        stepSurfaceFromBelow(height, triggered);
        break;
    case 3:
        if (m_step == kGapResult)
            stepGapResult();
        else
            stepFeature(kGapFirst, 0, height, triggered);
        break;
    case 4:
        stepScan(height, laserValid ? laser : kNoLaser);
        break;
    case 5:
        stepBaseSetting(height, motorState);
        break;
    case 6:
        stepCentreDistance(height, triggered);
        break;
    default:
        break;
    }
}

void HeightGaugeCycles::stepSurfaceFromAbove(double height, bool triggered)
{
    Touches &touches = m_lower[0];
    switch (m_step) {
    case kAboveApproach:
        if (touches.count > 0 && touches.count < kTouches) {
            log(QStringLiteral("MEASURE_MODE_DOWN_RUN_DN (Repeat)"));
            slowDown();
            m_step = kAboveWait;
        } else if (touches.count == 0) {
            log(QStringLiteral("MEASURE_MODE_DOWN_RUN_DN (First)"));
            emit changeSpeed(m_speed);
            emit setSlowStepType(0);
            emit moveDown();
            m_step = kAboveWait;
        }
        break;
    case kAboveWait:
        if (triggered) {
            log(QStringLiteral("MEASURE_MODE_DOWN_RUN_DN_WAIT - LASER TRIGGERED!"));
            touches.add(height);
            m_target = height + kRollback;
            if (touches.count < kTouches) {
                upAt(m_speed);
                m_step = kAboveBackOffStart;
            } else {
                emit stopMove();
                m_step = kAboveResult;
            }
        }
        break;
    case kAboveBackOffStart:
        if (m_target > height) {
            log(QStringLiteral("MEASURE_MODE_DOWN_RUN_UP_WAIT"));
            upAt(m_speed);
            m_step = kAboveBackOff;
        }
        break;
    case kAboveBackOff:
        if (triggered && m_target > height) {
            log(QStringLiteral("MEASURE_MODE_DOWN_RUN_UP (moving away)"));
            upAt(m_speed);
        } else if (height > m_target) {
            log(QStringLiteral("MEASURE_MODE_DOWN_RUN_UP - REACHED TOP RETRACT"));
            m_step = kAboveApproach;
        }
        break;
    case kAboveResult: {
        log(QStringLiteral("MEASURE_MODE_DOWN_RESULT"));
        finish();
        const double result = touches.largest(-999999.0);
        if (m_baseFlag) {
            calibrate();
            emit macroHook();
        } else {
            addRow(result, kNoLaser);
        }
        break;
    }
    default:
        break;
    }
}

void HeightGaugeCycles::stepSurfaceFromBelow(double height, bool triggered)
{
    Touches &touches = m_upper[0];
    switch (m_step) {
    case kBelowApproach:
        if (touches.count > 0 && touches.count < kTouches) {
            log(QStringLiteral("MEASURE_MODE_UP_RUN_UP (Repeat)"));
            emit changeSpeed(kSlowSpeed);
            emit moveUp();
            m_step = kBelowWait;
        } else if (touches.count == 0) {
            log(QStringLiteral("MEASURE_MODE_UP_RUN_UP (First)"));
            emit changeSpeed(m_speed);
            emit moveUp();
            m_step = kBelowWait;
        }
        break;
    case kBelowWait:
        if (triggered) {
            log(QStringLiteral("MEASURE_MODE_UP_RUN_UP_WAIT - LASER TRIGGERED!"));
            touches.add(height);
            m_target = height - kRollback;
            if (touches.count < kTouches) {
                downAt(m_speed);
                m_step = kBelowBackOffStart;
            } else {
                emit stopMove();
                m_step = kBelowResult;
            }
        }
        break;
    case kBelowBackOffStart:
        if (height > m_target) {
            log(QStringLiteral("MEASURE_MODE_UP_RUN_DN_WAIT"));
            downAt(m_speed);
            m_step = kBelowBackOff;
        }
        break;
    case kBelowBackOff:
        if (triggered && height > m_target) {
            log(QStringLiteral("MEASURE_MODE_UP_RUN_DN (moving away)"));
            downAt(m_speed);
        } else if (m_target > height) {
            log(QStringLiteral("MEASURE_MODE_UP_RUN_DN - REACHED BOTTOM RETRACT"));
            m_step = kBelowApproach;
        }
        break;
    case kBelowResult:
        finish();
        log(QStringLiteral("MEASURE_MODE_UP_RESULT"));
        addRow(touches.smallest(9999999.0), kNoLaser);
        break;
    default:
        break;
    }
}

void HeightGaugeCycles::stepFeature(quint32 first, int feature, double height, bool triggered)
{
    if (m_step < first || m_step >= first + FeatureDone)
        return;
    // In a centre distance the first feature has labels of its own; the second keeps the gap's.
    const bool diameterOne = m_cycle == 6 && feature == 0;
    Touches &lower = m_lower[feature];
    Touches &upper = m_upper[feature];
    switch (m_step - first) {
    case LowerApproach:
        if (lower.count > 0 && lower.count < kTouches) {
            log(featureText("едем вниз после отката"));
            slowDown();
            m_step = first + LowerWait;
        } else if (lower.count == 0) {
            log(featureText("начало измерений едем вниз"));
            downAt(m_speed);
            m_step = first + LowerWait;
        }
        break;
    case LowerWait:
        if (triggered) {
            log(featureText("едем до срабатывания датчика (ЛАЗЕР СРАБОТАЛ ВНИЗУ)"));
            lower.add(height);
            m_target = height + kRollback;
            const bool again = lower.count < kTouches;
            log(again ? featureText("Откат для повторного замера внизу")
                      : featureText("Нижние измерения закончены, едем вверх"));
            upAt(m_speed);
            m_step = first + (again ? LowerBackOffStart : ToUpper);
        }
        break;
    case LowerBackOffStart:
        if (m_target > height) {
            log(featureText(diameterOne ? "MEASURE_MODE_DIAMETR_ONE_DOWN_RUN_UP_WAIT"
                                        : "MEASURE_MODE_GAP_DOWN_RUN_UP_WAIT"));
            upAt(m_speed);
            m_step = first + LowerBackOff;
        }
        break;
    case LowerBackOff:
        if (triggered && m_target > height) {
            log(featureText(diameterOne ? "MEASURE_MODE_DIAMETR_ONE_DOWN_RUN_UP (еще сработан)"
                                        : "MEASURE_MODE_GAP_DOWN_RUN_UP (еще сработан)"));
            upAt(m_speed);
        } else if (height > m_target) {
            log(featureText(diameterOne ? "MEASURE_MODE_DIAMETR_ONE_DOWN_RUN_UP (достигли точки отката)"
                                        : "MEASURE_MODE_GAP_DOWN_RUN_UP (достигли точки отката)"));
            m_step = first + LowerApproach;
        }
        break;
    case ToUpper:
        log(featureText("запуск измерения вверхнего предела part 1"));
        upAt(m_speed);
        m_step = first + UpperZone;
        break;
    case UpperZone:
        if (height > m_target) {
            log(featureText("запуск измерения вверхнего предела part 2 (доехали до зоны)"));
            m_step = first + UpperApproach;
        }
        break;
    case UpperApproach:
        if (upper.count > 0 && upper.count < kTouches) {
            log(featureText("едем на медленой скорости вверх до второго касания"));
            slowUp();
            m_step = first + UpperWait;
        } else if (upper.count == 0) {
            emit changeSpeed(m_speed);
            emit setSlowStepType(0);
            log(featureText(diameterOne ? "едем вверх до касания MEASURE_MODE_DIAMETR_ONE_UP_RUN_UP"
                                        : "едем вверх до касания MEASURE_MODE_GAP_UP_RUN_UP_WAIT"));
            emit moveUp();
            m_step = first + UpperWait;
        }
        break;
    case UpperWait:
        if (triggered) {
            log(featureText("произошло касание (ЛАЗЕР СРАБОТАЛ ВВЕРХУ)"));
            upper.add(height);
            m_target = height - kRollback;
            if (upper.count < kTouches) {
                log(featureText("делаем откат вниз"));
                emit changeSpeed(m_speed);
                emit setSlowStepType(0);
                emit moveDown();
                m_step = first + UpperBackOffStart;
            } else {
                emit stopMove();
                log(featureText("просчет результата"));
                m_step = first + FeatureDone;
            }
        }
        break;
    case UpperBackOffStart:
        if (height > m_target) {
            log(featureText("делаем откат вниз. произошло касание"));
            downAt(m_speed);
            m_step = first + UpperBackOff;
        }
        break;
    case UpperBackOff:
        if (triggered && height > m_target) {
            downAt(m_speed);
            log(featureText("мотор остановился но мы еще не доехали"));
        } else if (m_target > height) {
            log(featureText("проехали ниже заданого отезда. останавливаемся"));
            m_step = first + UpperApproach;
        }
        break;
    default:
        break;
    }
}

void HeightGaugeCycles::stepGapResult()
{
    finish();
    log(QStringLiteral("просчет результата уступа"));
    addRow(std::abs(m_upper[0].smallest() - m_lower[0].largest()), kNoLaser);
}

void HeightGaugeCycles::stepCentreDistance(double height, bool triggered)
{
    switch (m_step) {
    case kCentreFirstResult:
    case kCentreSecondResult: {
        const int feature = m_step == kCentreFirstResult ? 0 : 1;
        log(QStringLiteral("просчет результата уступа межцентр"));
        m_featureUpper[feature] = m_upper[feature].smallest();
        m_featureLower[feature] = m_lower[feature].largest();
        if (feature == 1) {
            m_step = kCentreDistance;
            break;
        }
        // Only the distance goes to the table. The user now moves the carriage to the second feature by
        // hand, so the cycles leave automatic mode (the window unchecks its button on the signal).
        log(QStringLiteral("показываем сообщение"));
        m_automatic = false;
        m_step = kCentreWaiting;
        emit secondHalfNeeded(tr("move to new points and enable auto move and cliked up arrow"), 3000);
        emit macroHook();
        break;
    }
    case kCentreWaiting:
        log(QStringLiteral("ожидаем"));
        break;
    case kCentreDistance: {
        const double first = (m_featureUpper[0] + m_featureLower[0]) / 2.0;
        const double second = (m_featureUpper[1] + m_featureLower[1]) / 2.0;
        finish();
        addRow(std::abs(second - first), kNoLaser);
        break;
    }
    default:
        if (m_step >= kCentreSecond) {
            if (m_step == kCentreSecond)
                log(QStringLiteral("начинаем измерение 2"));
            stepFeature(kCentreSecond, 1, height, triggered);
        } else {
            stepFeature(kCentreFirst, 0, height, triggered);
        }
        break;
    }
}

void HeightGaugeCycles::stepScan(double height, double laser)
{
    switch (m_step) {
    case kScanDown:
        if (m_scanMin > height) {
            emit stopMove();
            m_nextScanPoint = m_scanMin;
            emit changeSpeed(kSlowSpeed);
            emit setSlowStepType(scanSlowStepType(m_scanStep));
            emit moveUp();
            m_step = kScanUp;
        }
        break;
    case kScanUp:
        if (height <= m_scanMax && height >= m_nextScanPoint) {
            m_nextScanPoint += m_scanStep;
            qDebug().noquote()
                << "[Devozor]"
                << "Точка сканирования:"
                << QStringLiteral("Высота: %1 | Лазер: %2").arg(height, 0, 'f', 3).arg(laser, 0, 'f', 3);
            // A carriage standing still must not fill the table with the same height. A scan row is no
            // end of anything: a playing macro waits for the end of the scan.
            if (height != m_lastScanHeight)
                emit resultRow(height, laser);
            m_lastScanHeight = height;
        } else if (height > m_scanMax) {
            emit stopMove();
            finish();
            log(QStringLiteral("Сканирование завершено!"));
            emit setSlowStepType(0);
            emit macroHook();
        }
        break;
    default:
        break;
    }
}

// The touch here is the board's touch pin (motor state 3), not the laser.
void HeightGaugeCycles::stepBaseSetting(double height, int motorState)
{
    Touches &touches = m_lower[0];
    switch (m_step) {
    case kBaseApproach:
        if (touches.count > 0 && touches.count < kTouches && motorState != kMotorTouchPin) {
            emit changeSpeed(kSlowSpeed);
            emit moveDown();
            log(QStringLiteral("step1"));
            m_step = kBaseWait;
        } else if (touches.count == 0 && motorState == kMotorIdle) {
            emit changeSpeed(m_speed);
            emit moveDown();
            log(QStringLiteral("step2"));
            m_step = kBaseWait;
        }
        break;
    case kBaseWait:
        if (motorState == kMotorTouchPin) {
            touches.add(height);
            m_target = height + kRollback;
            if (touches.count < kTouches) {
                emit changeSpeed(m_speed);
                emit moveUp();
                m_step = kBaseBackOffStart;
            } else {
                m_step = kBaseResult;
            }
        }
        break;
    case kBaseBackOffStart:
        if (m_target > height && motorState == kMotorTouchPin) {
            log(QStringLiteral("MEASURE_MODE_BASE_RUN_UP_WAIT"));
            emit changeSpeed(m_speed);
            emit moveUp();
            m_step = kBaseBackOff;
        }
        break;
    case kBaseBackOff:
        if ((motorState == kMotorTouchPin || motorState == kMotorIdle) && m_target > height) {
            log(QStringLiteral("MEASURE_MODE_BASE_RUN_UP"));
            emit changeSpeed(m_speed);
            emit moveUp();
        } else if (height > m_target) {
            m_step = kBaseApproach;
        }
        break;
    case kBaseResult: {
        log(QStringLiteral("MEASURE_MODE_BASE_RESULT"));
        finish();
        const double result = touches.largest(-999999.0);
        if (!m_baseFlag) {
            addRow(result, kNoLaser);
            break;
        }
        calibrate();
        emit setSlowStepType(0);
        emit enableTouchPin();
        emit changeSpeed(m_speed);
        emit macroHook();
        break;
    }
    default:
        break;
    }
}
