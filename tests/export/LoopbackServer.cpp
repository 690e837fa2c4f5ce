#include "LoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace {

int Listen(int* port) {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  int yes = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  *port = ntohs(address.sin_port);
  return fd;
}

std::string Base64(const std::string& text) {
  static const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  std::size_t i = 0;
  for (; i + 2 < text.size(); i += 3) {
    unsigned v = (unsigned char)text[i] << 16 | (unsigned char)text[i + 1] << 8 | (unsigned char)text[i + 2];
    out += {digits[v >> 18], digits[(v >> 12) & 63], digits[(v >> 6) & 63], digits[v & 63]};
  }
  if (i + 1 == text.size()) {
    unsigned v = (unsigned char)text[i] << 16;
    out += {digits[v >> 18], digits[(v >> 12) & 63], '=', '='};
  } else if (i + 2 == text.size()) {
    unsigned v = (unsigned char)text[i] << 16 | (unsigned char)text[i + 1] << 8;
    out += {digits[v >> 18], digits[(v >> 12) & 63], digits[(v >> 6) & 63], '='};
  }
  return out;
}

bool SendAll(int fd, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

// The head of the answer; the body follows, `repeat` times.
std::string Head(const LoopbackServer::Reply& reply) {
  std::string head = "HTTP/1.1 " + reply.status + "\r\nContent-Type: " + reply.contentType + "\r\n";
  if (reply.withLength)
    head += "Content-Length: " + std::to_string(reply.body.size() * reply.repeat) + "\r\n";
  return head + "Connection: close\r\n" + reply.headers + "\r\n";
}

// "GET /path?query HTTP/1.1" gives "/path?query".
std::string TargetOf(const std::string& request) {
  std::size_t start = request.find(' ');
  if (start == std::string::npos) return std::string();
  std::size_t end = request.find(' ', start + 1);
  return request.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
}

}  // namespace

LoopbackServer::LoopbackServer(Mode mode, std::string body, std::string credentials)
    : m_mode(mode), m_body(std::move(body)), m_credentials(std::move(credentials)) {
  m_listener = Listen(&m_port);
  listen(m_listener, 8);
  m_thread = std::thread([this] { Loop(); });
}

LoopbackServer::~LoopbackServer() {
  m_stop = true;
  m_thread.join();
  for (int fd : m_silentClients) close(fd);
  close(m_listener);
}

std::string LoopbackServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

void LoopbackServer::Route(const std::string& target, Reply reply) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_routes[target] = std::move(reply);
}

void LoopbackServer::Route(const std::string& target, std::string body) {
  Reply reply;
  reply.body = std::move(body);
  Route(target, std::move(reply));
}

std::vector<std::string> LoopbackServer::Targets() const {
  std::vector<std::string> targets;
  for (const std::string& request : Requests()) targets.push_back(TargetOf(request));
  return targets;
}

std::vector<std::string> LoopbackServer::Requests() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_requests;
}

int LoopbackServer::ClosedPort() {
  int port = 0;
  int fd = Listen(&port);
  close(fd);  // bound, never listened to, and closed: refused
  return port;
}

void LoopbackServer::Loop() {
  while (!m_stop) {
    pollfd p{m_listener, POLLIN, 0};
    if (poll(&p, 1, 20) <= 0) continue;
    int client = accept(m_listener, nullptr, nullptr);
    if (client < 0) continue;
    // One thread per connection: a browser opens some it sends nothing on.
    m_clients.emplace_back([this, client] { Answer(client); });
  }
  for (std::thread& t : m_clients) t.join();
}

void LoopbackServer::Answer(int client) {
  std::string request;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (request.find("\r\n\r\n") == std::string::npos && !m_stop &&
         std::chrono::steady_clock::now() < deadline) {
    pollfd p{client, POLLIN, 0};
    if (poll(&p, 1, 20) <= 0) continue;
    char buffer[4096];
    ssize_t n = recv(client, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    request.append(buffer, static_cast<std::size_t>(n));
  }
  if (request.empty()) {  // a connection opened ahead of need, never used
    close(client);
    return;
  }
  Reply reply;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_requests.push_back(request);
    if (m_mode == Mode::Silent) {
      m_silentClients.push_back(client);  // kept open, never answered
      return;
    }
    const auto answer = [&reply](const std::string& status, const std::string& extra,
                                 const std::string& body) {
      reply.status = status;
      reply.headers = extra;
      reply.body = body;
    };
    if (m_mode == Mode::Proxy) {
      const std::string expected = "Proxy-Authorization: Basic " + Base64(m_credentials) + "\r\n";
      if (request.rfind("GET http://", 0) != 0)
        answer("400 Bad Request", "", "");
      else if (request.find(expected) == std::string::npos)
        answer("407 Proxy Authentication Required", "Proxy-Authenticate: Basic realm=\"test\"\r\n", "");
      else
        answer("200 OK", "", m_body);
    } else {
      auto route = m_routes.find(TargetOf(request));
      if (route != m_routes.end()) reply = route->second;
      else if (m_routes.empty()) answer("200 OK", "", m_body);
      else answer("404 Not Found", "", "");
    }
  }
  // A client that stops reading ends the answer (the send fails).
  bool open = SendAll(client, Head(reply));
  for (std::size_t i = 0; open && i < reply.repeat; ++i) open = SendAll(client, reply.body);
  shutdown(client, SHUT_WR);
  close(client);
}
