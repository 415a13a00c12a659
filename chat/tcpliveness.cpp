// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The TCP state of a connection (SIO_TCP_INFO) is Windows 10's (1703 on);
// asked of an older Windows it fails, and a reset reads as the server's close.
#if defined(_WIN32) && !defined(NTDDI_VERSION)
#define NTDDI_VERSION 0x0A000003 // NTDDI_WIN10_RS2
#endif

#include "tcpliveness.h"

#include <QAbstractSocket>
#include <QVariant>

#ifdef Q_OS_WIN
#include <winsock2.h>
#include <mstcpip.h>
#else
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

bool TcpLiveness::watch(QAbstractSocket *socket)
{
    release();
    const qintptr descriptor = socket->socketDescriptor();
    if (descriptor < 0)
        return false;
    socket->setSocketOption(QAbstractSocket::KeepAliveOption, QVariant(1));
#ifdef Q_OS_WIN
    // Windows sends ten probes at this interval; the count cannot be set.
    tcp_keepalive timings{1, keepAliveIdleSeconds * 1000, keepAliveIntervalSeconds * 1000};
    DWORD returned = 0;
    const bool ok = WSAIoctl(SOCKET(descriptor), SIO_KEEPALIVE_VALS, &timings, sizeof timings, nullptr,
                             0, &returned, nullptr, nullptr) == 0;
    WSAPROTOCOL_INFOW info;
    if (WSADuplicateSocketW(SOCKET(descriptor), GetCurrentProcessId(), &info) == 0) {
        const SOCKET copy = WSASocketW(FROM_PROTOCOL_INFO, FROM_PROTOCOL_INFO, FROM_PROTOCOL_INFO, &info, 0,
                                       WSA_FLAG_OVERLAPPED);
        if (copy != INVALID_SOCKET)
            m_handle = qintptr(copy);
    }
    return ok;
#else
    const int fd = int(descriptor);
    bool ok = true;
    auto set = [&](int option, int value) {
        ok = ::setsockopt(fd, IPPROTO_TCP, option, &value, sizeof value) == 0 && ok;
    };
#ifdef TCP_KEEPIDLE
    set(TCP_KEEPIDLE, keepAliveIdleSeconds);
#elif defined(TCP_KEEPALIVE) // macOS
    set(TCP_KEEPALIVE, keepAliveIdleSeconds);
#endif
#ifdef TCP_KEEPINTVL
    set(TCP_KEEPINTVL, keepAliveIntervalSeconds);
#endif
#ifdef TCP_KEEPCNT
    set(TCP_KEEPCNT, keepAliveProbes);
#endif
#ifdef TCP_USER_TIMEOUT
    set(TCP_USER_TIMEOUT, deadAfterSeconds * 1000);
#endif
    // Not inherited by a browser the program starts.
    m_handle = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    return ok;
#endif
}

bool TcpLiveness::endedByReset()
{
    if (m_handle < 0)
        return false;
    // After the server's close the connection waits for ours (close-wait);
    // after a reset or a timeout it is closed already.
    bool reset = false;
#ifdef Q_OS_WIN
    DWORD version = 0;
    TCP_INFO_v0 info{};
    DWORD returned = 0;
    if (WSAIoctl(SOCKET(m_handle), SIO_TCP_INFO, &version, sizeof version, &info, sizeof info, &returned,
                 nullptr, nullptr) == 0)
        reset = info.State == TCPSTATE_CLOSED;
#elif defined(Q_OS_LINUX)
    tcp_info info{};
    socklen_t size = sizeof info;
    if (::getsockopt(int(m_handle), IPPROTO_TCP, TCP_INFO, &info, &size) == 0)
        reset = info.tcpi_state == TCP_CLOSE;
#endif
    release();
    return reset;
}

void TcpLiveness::release()
{
    if (m_handle < 0)
        return;
#ifdef Q_OS_WIN
    ::closesocket(SOCKET(m_handle));
#else
    ::close(int(m_handle));
#endif
    m_handle = -1;
}
